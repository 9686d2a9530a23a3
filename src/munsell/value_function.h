// The Munsell value function of the 1943 renotation: luminance Y from value V
// by a fifth-degree polynomial, and its inversion by Newton's method.
#pragma once

namespace tintara::munsell {

// Rescales the value function from magnesium oxide to the perfect white
// diffuser (the main window's PWD option): value 10 is then Y = 100.004
// instead of 102.568.
inline constexpr float perfectWhiteFactor = 0.975f;

// Y of value V: 1.2219 V - 0.23111 V^2 + 0.23951 V^3 - 0.021009 V^4
// + 0.0008404 V^5, times 0.975 with the perfect-white option (val2y).
float yFromValue(float value, bool pwd);

// The value of luminance Y: 15 Newton steps from the square root of Y (Y / 0.975
// with the perfect-white option), no early exit, so Y = 0 gives 0 (y2val). A
// negative Y is taken as 0.
float valueFromY(float Y, bool pwd);

}  // namespace tintara::munsell

// What the simulated instruments answer: replies laid out the way the
// measurement dialogues cut them, for a curve given per wavelength index.
#pragma once

#include <string>

namespace tintara::simulator {

// The curve every simulated measurement reports: 21.5, 23, ... 80 percent
// at 360..750 nm (index 1..40).
double simulatedReflectance(int index);

// Color-Eye 7000: "11", values as seven-character fields 10 apart from
// position 21, then CR LF and ">".
std::string ce7000Measurement();
// Ci5/Ci7: the status "<00>", values with three decimals, comma-separated,
// then CR LF and ">".
std::string ci5Measurement();
// SpectroEye / Spectrolino: the answer to "; 184 9 0", 36 fractions 7 apart
// from position 11 for 380..730 nm, every one 0.5, then CR LF.
std::string spectroEyeMeasurement();

}  // namespace tintara::simulator

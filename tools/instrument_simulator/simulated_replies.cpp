#include "simulated_replies.h"

#include <cstdio>

namespace tintara::simulator {

namespace {

std::string fixed(double value, int width, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%*.*f", width, decimals, value);
    return text;
}

}  // namespace

double simulatedReflectance(int index) { return 20.0 + 1.5 * index; }

std::string ce7000Measurement() {
    std::string reply = "11 SCI 10NM 360-750";  // 19 characters
    reply += ' ';
    for (int i = 1; i <= 40; ++i) reply += fixed(simulatedReflectance(i), 7, 2) + "   ";
    return reply + "\r\n>";
}

std::string ci5Measurement() {
    std::string reply = "<00> DATA ";
    for (int i = 1; i <= 40; ++i) reply += fixed(simulatedReflectance(i), 7, 3) + (i < 40 ? "," : "");
    return reply + "\r\n>";
}

std::string spectroEyeMeasurement() {
    std::string reply = ": 185 9 0 ";
    for (int i = 1; i <= 36; ++i) reply += fixed(0.5, 6, 4) + " ";
    return reply + "\r\n";
}

}  // namespace tintara::simulator

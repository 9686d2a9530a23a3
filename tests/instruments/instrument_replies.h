// Valid replies of each instrument, laid out the way its dialogue cuts them,
// for a curve given per wavelength index.
#pragma once

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace tintara::instruments::testkit {

using Curve = double (*)(std::size_t);

// The test curve: 21.5, 23, ... 80 percent at 360..750 nm.
inline double ramp(std::size_t i) { return 20.0 + 1.5 * static_cast<double>(i); }
// What a dialogue that read nothing leaves: the fixture's starting curve.
inline double unset(std::size_t) { return -1.0; }

// A field of `width` characters holding `value` with `decimals` decimals.
inline std::string field(double value, int width, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%*.*f", width, decimals, value);
    return text;
}
// `count` such fields of a curve, each followed by `gap`.
inline std::string fields(Curve value, std::size_t count, int width, int decimals, const std::string& gap) {
    std::string out;
    for (std::size_t i = 1; i <= count; ++i) out += field(value(i), width, decimals) + gap;
    return out;
}

// The characters between fields are nines, so that a field cut out one place
// off reads as another number.
// CE7000: "11" in a 20-character head, seven-character values 10 apart from 21.
inline std::string ce7000Reply(Curve value = ramp, const std::string& status = "11") {
    return status + std::string(18, ' ') + fields(value, 40, 7, 2, "999") + "\r\n>";
}
// XTH: "11" in an 18-character head, six-character values 8 apart from 19,
// 341 characters in all.
inline std::string xthReply(Curve value = ramp, const std::string& status = "11") {
    return status + std::string(16, ' ') + fields(value, 40, 6, 2, "99") + "\r\n>";
}
// Ci5/Ci7: a status in angle brackets, then seven-character values with three
// decimals, found by their points.
inline std::string ci5Reply(Curve value = ramp, std::size_t count = 40) {
    return "<00> " + fields(value, count, 7, 3, "9") + "\r\n>";
}
// Spectrolino / SpectroEye: a ten-character head, 36 fractions 7 apart from 11.
inline std::string spectroReply(Curve fraction) { return ": 185 9 0 " + fields(fraction, 36, 6, 4, "9") + "\r\n"; }
inline double rampFraction(std::size_t i) { return ramp(i + 2) / 100; }
// What the dialogue makes of spectroReply(rampFraction).
inline double spectroCurve(std::size_t i) { return i >= 3 && i <= 38 ? ramp(i) : -1.0; }
// CE2180: the 18-byte status, then a 290-byte block with one more character
// after every sixth six-character value.
inline const std::string ce2180Head = "11 MEASURE OK    \n";
inline std::string ce2180Block(Curve value = ramp) {
    std::string block;
    for (std::size_t i = 1; i <= 40; ++i) block += field(value(i), 6, 2) + (i % 6 == 0 ? "99" : "9");
    block.resize(288, ' ');
    return block + "\r\n";
}

inline const std::string spectroWake(250, '\xFF');
inline const std::string spectroHello = spectroWake + "; 32\r\n", spectroData = spectroWake + "; 184 9 0\r\n";

// Each instrument's measurement when all goes well: its line settings, each
// command with the whole reply to it in the order they are sent, what the
// message line shows, and the curve read.
struct ValidDialogue {
    std::string inst, lineSetup;
    std::vector<std::pair<std::string, std::string>> replies;
    std::vector<std::string> lines;
    Curve curve;
};
inline const std::vector<ValidDialogue> validDialogues = {
    {"CE7000", "9600,N,8,1", {{"R", "CE7000 V2.10\r\n>"}, {"M\r", ce7000Reply()}}, {}, ramp},
    {"CE2180", "9600,N,8,1", {{"v", "CE2180 V3.1\r\n"}, {"M", ce2180Head + ce2180Block()}}, {}, ramp},
    {"XTH", "38400,N,8,1 RTS/CTS", {{"R\r", "XTH V2.1>"}, {"M 8\r", xthReply()}}, {}, ramp},
    {"Ci5/Ci7",
     "38400,N,8,1 RTS/CTS",
     {{"R\r", "i1 ready\r\n>"}, {"config -mode=sce\r", "<00>\r\n>"}, {"measure\r", ci5Reply()}},
     {},
     ramp},
    {"SpectroEye",
     "9600,n,8,1 RTS",
     {{spectroHello, "OK\r\n"}, {spectroData, spectroReply(rampFraction)}},
     {"OK"},
     spectroCurve},
};

}  // namespace tintara::instruments::testkit

// The palette record: one line of a palette file, in the comma-separated form a
// spreadsheet opens and the palette viewer loads.
#pragma once

#include <array>
#include <filesystem>
#include <string>

namespace tintara::datafiles {

// The current colour as the main window shows it, plus what the record adds.
struct PaletteSample {
    std::string date;  // "MM-DD-YYYY"
    std::string time;  // "HH:MM:SS", 24-hour
    std::string tag;
    std::array<std::string, 3> munsell;  // hue, value, chroma box texts
    std::array<std::string, 3> xyz;
    std::array<std::string, 3> lab;
    std::array<float, 3> linearRgb{};
    std::array<std::string, 3> rgb;
    std::array<std::string, 4> cmyk;
};

std::string recordDate(int month, int day, int year);
std::string recordTime(int hour, int minute, int second);

// 22 fields: the texts quoted, the linear RGB bare; CR LF at the end.
std::string paletteRecord(const PaletteSample& sample);

// The palette file name with ".csv" added unless it ends so in any case.
std::string withCsvEnding(std::string name);

// Appends one whole line to the file, creating it when missing. False with a
// message naming the file when it cannot be opened or written; the line is
// written with one call, so the file never holds part of it.
bool appendLine(const std::filesystem::path& file, const std::string& line, std::string& error);

}  // namespace tintara::datafiles

// The palette record: one line of a palette file, in the comma-separated form a
// spreadsheet opens and the palette viewer loads.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

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

// Writes bytes at the end of a stream open for appending; true when all of
// them reached the file.
using WriteBytes = std::function<bool(std::ostream& out, std::string_view bytes)>;
bool writeAndFlush(std::ostream& out, std::string_view bytes);

// Appends one whole line to a regular file, creating it when missing, and
// starts a new line first when the file does not end with one. The line goes
// out in one write; when that fails or comes up short, the file is cut back to
// what it held (or removed, when the append made it), so that it never holds
// part of a line, and the result is false with a message naming the file.
bool appendLine(const std::filesystem::path& file, const std::string& line, std::string& error,
                const WriteBytes& write = writeAndFlush);

}  // namespace tintara::datafiles

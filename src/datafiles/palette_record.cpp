#include "datafiles/palette_record.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <system_error>

#include "textio/printstyle.h"

namespace tintara::datafiles {

namespace {
std::string twoDigits(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}
}  // namespace

std::string recordDate(int month, int day, int year) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d", month, day, year);
    return text;
}

std::string recordTime(int hour, int minute, int second) {
    return twoDigits(hour) + ":" + twoDigits(minute) + ":" + twoDigits(second);
}

std::string paletteRecord(const PaletteSample& s) {
    std::vector<textio::WriteField> fields{s.date, s.time, s.tag};
    for (const auto& t : s.munsell) fields.emplace_back(t);
    for (const auto& t : s.xyz) fields.emplace_back(t);
    for (const auto& t : s.lab) fields.emplace_back(t);
    for (float v : s.linearRgb) fields.emplace_back(v);
    for (const auto& t : s.rgb) fields.emplace_back(t);
    for (const auto& t : s.cmyk) fields.emplace_back(t);
    return textio::writeLine(fields);
}

std::string withCsvEnding(std::string name) {
    std::string ending = name.size() >= 4 ? name.substr(name.size() - 4) : name;
    std::transform(ending.begin(), ending.end(), ending.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    if (ending != ".csv") name += ".csv";
    return name;
}

bool appendLine(const std::filesystem::path& file, const std::string& line, std::string& error) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) {
        error = "Cannot write to " + file.string() + ": it is a folder";
        return false;
    }
    std::ofstream out(file, std::ios::binary | std::ios::app);
    if (!out) {
        error = "Cannot open " + file.string() + " for writing";
        return false;
    }
    out.write(line.data(), std::streamsize(line.size()));
    out.flush();
    if (!out) {
        error = "Could not write to " + file.string();
        return false;
    }
    return true;
}

}  // namespace tintara::datafiles

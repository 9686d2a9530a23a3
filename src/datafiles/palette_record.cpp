#include "datafiles/palette_record.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
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

bool writeAndFlush(std::ostream& out, std::string_view bytes) {
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return bool(out);
}

namespace {

// What must come before a new line so that it starts a line of its own: CR LF
// after a last line without an end, LF after a lone CR, nothing otherwise.
bool lineStart(const std::filesystem::path& file, std::uintmax_t size, std::string& prefix) {
    prefix.clear();
    if (size == 0) return true;
    std::ifstream in(file, std::ios::binary);
    char last = 0;
    if (!in.seekg(static_cast<std::streamoff>(size - 1)) || !in.get(last)) return false;
    if (last == '\r') prefix = "\n";
    if (last != '\r' && last != '\n') prefix = "\r\n";
    return true;
}

}  // namespace

bool appendLine(const std::filesystem::path& file, const std::string& line, std::string& error,
                const WriteBytes& write) {
    const std::string name = file.string();
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    const bool existed = std::filesystem::exists(status);
    if (std::filesystem::is_directory(status)) {
        error = "Cannot write to " + name + ": it is a folder";
        return false;
    }
    if (existed && !std::filesystem::is_regular_file(status)) {
        error = "Cannot write to " + name + ": it is not a regular file";
        return false;
    }
    std::error_code sizeError;
    const std::uintmax_t size = existed ? std::filesystem::file_size(file, sizeError) : 0;
    std::string prefix;
    if (sizeError || !lineStart(file, size, prefix)) {
        error = "Cannot read " + name;
        return false;
    }
    std::ofstream out(file, std::ios::binary | std::ios::app);
    if (!out) {
        error = "Cannot open " + name + " for writing";
        return false;
    }
    const std::string bytes = prefix + line;
    bool written = write(out, bytes);
    out.close();
    // A short write the stream did not notice still shows in the file's size.
    written = written && !out.fail() && std::filesystem::file_size(file, ec) == size + bytes.size() && !ec;
    if (written) return true;

    if (existed)
        std::filesystem::resize_file(file, size, ec);
    else
        std::filesystem::remove(file, ec);
    error = "Could not write to " + name + (ec ? "; it may hold part of the record" : "; it is as it was");
    return false;
}

}  // namespace tintara::datafiles

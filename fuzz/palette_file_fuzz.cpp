// Palette files as the palette viewer reads them, and "LastPalette.txt". The
// input is a palette file. Every record the reader takes has a finite value,
// chroma and hue angle, and makes a list line; a broken record names a line
// of the file. A record written by the program's own writer, its tag, hue,
// value and chroma the input's first four lines, reads back with that tag and
// notation exactly. The first line, remembered as the last palette, is read
// back whole; the input itself as "LastPalette.txt" gives a name of one line.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "datafiles/last_palette.h"
#include "datafiles/palette_list_line.h"
#include "datafiles/palette_reader.h"
#include "datafiles/palette_record.h"
#include "fuzz_check.h"

using namespace tintara;
using tintara::fuzz::require;

namespace {

// The headless font's 90 twips a character, and a proportional font whose
// blank is a pixel wide.
int headlessWidth(const std::string& text) { return int(text.size()) * 90; }
int proportional(const std::string& text) {
    int twips = 0;
    for (char c : text) twips += c == ' ' ? 15 : 120;
    return twips;
}

// The lines of a text, split at CR LF, LF or CR.
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}

bool fitsSingle(const std::string& text) {
    const auto number = fuzz::wholeNumber(text);
    return number && std::fabs(*number) <= FLT_MAX;
}

void readWhole(const std::string& text, std::size_t lineCount) {
    std::istringstream in(text);
    datafiles::PaletteReader reader(in);
    datafiles::PaletteEntry entry;
    for (int n = 1;; ++n) {
        const auto outcome = reader.next(entry);
        if (outcome == datafiles::PaletteReader::Outcome::End) return;
        require(reader.lineNumber() >= 1 && std::size_t(reader.lineNumber()) <= lineCount, "a line of the file");
        if (outcome == datafiles::PaletteReader::Outcome::Broken) {
            require(!reader.problem().empty(), "a broken record says why");
            continue;
        }
        require(entry.fields.size() >= 6 && entry.name == entry.fields[2] && entry.hue == entry.fields[3],
                "the name and hue of fields 3 and 4");
        require(std::isfinite(entry.value) && std::isfinite(entry.chroma), "a finite value and chroma");
        require(!entry.angle || std::isfinite(*entry.angle), "a finite hue angle");
        for (const auto& width : {datafiles::TextWidth(headlessWidth), datafiles::TextWidth(proportional)}) {
            const std::string label = datafiles::paletteHueLabel(entry.hue, width);
            const std::string line = datafiles::paletteListLine(n, entry.name, label, entry.value, entry.chroma, width);
            require(line.find(label) != std::string::npos, "the list line shows the hue");
        }
    }
}

void writtenThenRead(const std::vector<std::string>& lines) {
    datafiles::PaletteSample sample;
    sample.date = datafiles::recordDate(12, 6, 2026);
    sample.time = datafiles::recordTime(15, 4, 5);
    sample.tag = lines[0];
    for (std::size_t i = 0; i < 3; ++i) sample.munsell[i] = i + 1 < lines.size() ? lines[i + 1] : "5";
    std::istringstream in(datafiles::paletteRecord(sample));
    datafiles::PaletteReader reader(in);
    datafiles::PaletteEntry entry;
    const auto outcome = reader.next(entry);
    const bool numbers = fitsSingle(sample.munsell[1]) && fitsSingle(sample.munsell[2]);
    if (outcome == datafiles::PaletteReader::Outcome::Broken) {
        require(reader.lineNumber() == 1, "the record's line");
        require(!numbers || reader.problem().find("hue") != std::string::npos, "broken only for a reason");
        return;
    }
    require(outcome == datafiles::PaletteReader::Outcome::Entry, "the record is read");
    require(numbers, "a value and chroma that are numbers");
    require(entry.name == sample.tag, "the tag read back");
    require(
        entry.hue == sample.munsell[0] && entry.valueText == sample.munsell[1] && entry.chromaText == sample.munsell[2],
        "the notation read back");
    require(entry.fields.size() == 22, "the writer's 22 fields");
}

void lastPalette(const std::string& text, const std::string& name) {
    std::istringstream line(datafiles::lastPaletteLine(name));
    const auto read = datafiles::readLastPalette(line);
    require(name.empty() ? !read : read == name, "the name read back whole");
    std::istringstream file(text);
    if (const auto first = datafiles::readLastPalette(file))
        require(!first->empty() && first->find_first_of("\r\n") == std::string::npos, "a name of one line");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = linesOf(text);
    readWhole(text, lines.size());
    writtenThenRead(lines);
    lastPalette(text, lines[0]);
    return 0;
}

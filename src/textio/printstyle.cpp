#include "textio/printstyle.h"

#include "textio/formats.h"

namespace tintara::textio {

namespace {

constexpr std::size_t zoneWidth = 14;

// Columns taken by a text: UTF-8 continuation bytes do not move the column.
std::size_t columns(const std::string& text) {
    std::size_t n = 0;
    for (unsigned char c : text) n += (c & 0xC0) != 0x80 ? 1 : 0;
    return n;
}

}  // namespace

PrintLine& PrintLine::text(std::string_view item) {
    line_ += item;
    if (!item.empty()) zoneTaken_ = false;
    return *this;
}

PrintLine& PrintLine::number(float item) { return text(signedNumber(item) + ' '); }

PrintLine& PrintLine::whole(long long item) { return text(signedWhole(item) + ' '); }

PrintLine& PrintLine::zoneText(std::string_view item) {
    toNextZone();
    text(item);
    zoneTaken_ = item.empty();
    return *this;
}

PrintLine& PrintLine::zoneNumber(float item) {
    toNextZone();
    return number(item);
}

std::string PrintLine::finish() const { return line_ + std::string(lineEnd); }

// A line standing exactly at a zone start (an empty one included) stays put,
// unless an empty item holds that zone; otherwise blanks fill up to the next
// start, so an item that ran into a zone pushes the next one on to the zone after.
void PrintLine::toNextZone() {
    const std::size_t used = columns(line_) % zoneWidth;
    if (used != 0)
        line_.append(zoneWidth - used, ' ');
    else if (zoneTaken_)
        line_.append(zoneWidth, ' ');
    zoneTaken_ = false;
}

std::string writeLine(const std::vector<WriteField>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ',';
        if (const auto* text = std::get_if<std::string>(&fields[i])) {
            // A quote inside the text is doubled, so that a reader finds the
            // field's end and gets the text back whole.
            out += '"';
            for (char c : *text) {
                if (c == '"') out += '"';
                out += c;
            }
            out += '"';
        } else {
            out += plainNumber(std::get<float>(fields[i]));
        }
    }
    out += lineEnd;
    return out;
}

}  // namespace tintara::textio

namespace tintara::textio {

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

}  // namespace tintara::textio

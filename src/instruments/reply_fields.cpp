#include "instruments/reply_fields.h"

#include "textio/formats.h"

namespace tintara::instruments {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

// Mirrors the reading rule of textio::leadingNumber, which skips blanks even
// between a sign, digits and the point, so that "no number" can be told from 0.
bool startsWithNumber(std::string_view text) {
    std::size_t i = 0;
    auto skip = [&] {
        while (i < text.size() && isBlank(text[i])) ++i;
    };
    skip();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    skip();
    if (i < text.size() && isDigit(text[i])) return true;
    if (i >= text.size() || text[i] != '.') return false;
    ++i;
    skip();
    return i < text.size() && isDigit(text[i]);
}

std::optional<double> numberField(std::string_view reply, long position, std::size_t width) {
    if (position < 1) return std::nullopt;
    const auto start = static_cast<std::size_t>(position - 1);
    if (start + width > reply.size()) return std::nullopt;
    const std::string_view field = reply.substr(start, width);
    if (!startsWithNumber(field)) return std::nullopt;
    return textio::leadingNumber(field);
}

ReadingFault storeReading(std::optional<double> value, float& slot) {
    if (!value) return ReadingFault::Incomplete;
    const auto reading = static_cast<float>(*value);
    if (!(reading >= lowestReflectance && reading <= highestReflectance)) return ReadingFault::OutOfRange;
    slot = reading;
    return ReadingFault::None;
}

std::string rejectionMessage(std::string_view instrument, ReadingFault fault) {
    const std::string name(instrument);
    switch (fault) {
    case ReadingFault::Incomplete: return name + " reply incomplete - reading rejected";
    case ReadingFault::OutOfRange: return name + " reading out of range - reading rejected";
    case ReadingFault::None: break;
    }
    return {};
}

std::string takeReading(std::string_view reply, ReplyParser parse, std::string_view instrument, Reflectance& refl) {
    Reflectance reading = refl;
    if (const ReadingFault fault = parse(reply, reading); fault != ReadingFault::None)
        return rejectionMessage(instrument, fault);
    refl = reading;
    return {};
}

}  // namespace tintara::instruments

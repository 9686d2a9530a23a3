#include "instruments/reply_fields.h"

#include "textio/formats.h"

namespace tintara::instruments {

Field numberField(std::string_view reply, long position, std::size_t width) {
    if (position < 1) return {ReadingFault::Incomplete};
    const auto start = static_cast<std::size_t>(position - 1);
    if (start > reply.size() || width > reply.size() - start) return {ReadingFault::Incomplete};
    const auto value = textio::parseNumber(reply.substr(start, width));
    if (!value) return {ReadingFault::Garbled};
    return {ReadingFault::None, *value};
}

ReadingFault storeReading(Field field, float& slot, double scale) {
    if (field.fault != ReadingFault::None) return field.fault;
    // Compared before the narrowing, which no float could hold for some replies.
    const double reading = field.value * scale;
    if (!(reading >= lowestReflectance && reading <= highestReflectance)) return ReadingFault::OutOfRange;
    slot = static_cast<float>(reading);
    return ReadingFault::None;
}

std::string rejectionMessage(std::string_view instrument, ReadingFault fault) {
    const std::string name(instrument);
    switch (fault) {
    case ReadingFault::Incomplete: return name + " reply incomplete - reading rejected";
    case ReadingFault::Garbled: return name + " reply garbled - reading rejected";
    case ReadingFault::OutOfRange: return name + " reading out of range - reading rejected";
    case ReadingFault::None: break;
    }
    return {};
}

ReadingFault takeReading(std::string_view reply, ReplyParser parse, Reflectance& refl) {
    Reflectance reading = refl;
    const ReadingFault fault = parse(reply, reading);
    if (fault == ReadingFault::None) refl = reading;
    return fault;
}

}  // namespace tintara::instruments

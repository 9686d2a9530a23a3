// Cutting reflectance values out of instrument replies.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "instruments/spectral.h"

namespace tintara::instruments {

enum class ReadingFault {
    None,
    Incomplete,  // a field lies outside the reply
    Garbled,     // a field is not wholly a number, or the reply is not laid out as it should be
    OutOfRange   // a value no reflectance can have
};

// One field cut out of a reply: its number, or why there is none.
struct Field {
    ReadingFault fault = ReadingFault::None;
    double value = 0;
};

// The `width` characters that start at the 1-based `position`. They must lie
// wholly inside the reply and hold one number, with nothing but blanks around
// it: "4?.00" is garbled, not 4.
Field numberField(std::string_view reply, long position, std::size_t width);

// Readings outside this range in percent come from a garbled reply.
inline constexpr float lowestReflectance = -5.0f;
inline constexpr float highestReflectance = 200.0f;

// Stores the field's value times `scale` into `slot` when it is there and a
// possible reflectance.
ReadingFault storeReading(Field field, float& slot, double scale = 1.0);

// "<instrument> reply garbled - reading rejected" and the like.
std::string rejectionMessage(std::string_view instrument, ReadingFault fault);

using ReplyParser = ReadingFault (*)(std::string_view reply, Reflectance& reading);

// Cuts a reading out of the reply into a copy of refl and keeps it only when
// every field is sound; refl is left as it was otherwise.
ReadingFault takeReading(std::string_view reply, ReplyParser parse, Reflectance& refl);

}  // namespace tintara::instruments

// Cutting reflectance values out of instrument replies.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "instruments/spectral.h"

namespace tintara::instruments {

// Whether a text starts with a number (blanks before it allowed).
bool startsWithNumber(std::string_view text);

// The leading number of the `width` characters that start at the 1-based
// `position`; nothing when the field does not lie wholly inside the reply or
// does not start with a number.
std::optional<double> numberField(std::string_view reply, long position, std::size_t width);

// Readings outside this range in percent come from a garbled reply.
inline constexpr float lowestReflectance = -5.0f;
inline constexpr float highestReflectance = 200.0f;

enum class ReadingFault { None, Incomplete, OutOfRange };

// Stores a cut value into `slot` when it is there and plausible.
ReadingFault storeReading(std::optional<double> value, float& slot);

// "<instrument> reply incomplete - reading rejected" and the like.
std::string rejectionMessage(std::string_view instrument, ReadingFault fault);

using ReplyParser = ReadingFault (*)(std::string_view reply, Reflectance& reading);

// Cuts a reading out of the reply into a copy of refl and keeps it only when
// every field is sound. Returns the rejection message naming the instrument,
// empty when the reading was taken.
std::string takeReading(std::string_view reply, ReplyParser parse, std::string_view instrument, Reflectance& refl);

}  // namespace tintara::instruments

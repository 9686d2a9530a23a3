// The number readers. A text parseNumber takes holds exactly that number as the
// C library reads it, and leadingNumber agrees with it; leadingNumber never
// gives a value that is not a number.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "textio/formats.h"

using namespace tintara;
using tintara::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double leading = textio::leadingNumber(text);
    require(!std::isnan(leading), "leadingNumber gives a number");
    const auto parsed = textio::parseNumber(text);
    if (!parsed) return 0;
    const double value = *parsed;
    require(std::isfinite(value), "parseNumber takes finite numbers only");
    const auto expected = fuzz::wholeNumber(text);
    require(expected.has_value(), "what parseNumber takes is wholly a number");
    // Below the normal range the C library keeps a denormal where the program reads 0.
    if (std::fabs(*expected) < DBL_MIN)
        require(std::fabs(value) < DBL_MIN, "a tiny number stays tiny");
    else
        require(value == *expected, "the value the C library reads");
    if (text.find_first_of("\r\n") == std::string::npos) require(leading == value, "leadingNumber agrees");
    return 0;
}

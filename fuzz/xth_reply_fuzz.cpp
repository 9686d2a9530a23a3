// The XTH measurement reply: 341 characters, six-character values with two
// decimals 8 apart from position 19.
#include "dialogue_fuzz.h"

using namespace tintara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto m = fuzz::measureWith("XTH", {{"R\r", "X>"}}, "M 8\r", data, size);
    if (m.end != instruments::MeasureEnd::NewReading) {
        fuzz::requireUnchanged(m);
        return 0;
    }
    fuzz::require(m.reply.starts_with("11"), "only a calibrated status gives a reading");
    fuzz::require(m.reply.size() >= 341 && m.reply[340] == '>', "a reply of 341 characters ending in the prompt");
    for (std::size_t i = 1; i <= 40; ++i) {
        fuzz::require(m.reply[8 * i + 13] == '.', "each value has its point in place");
        fuzz::requireField(m, i, 8 * i + 11, 6);
    }
    return 0;
}

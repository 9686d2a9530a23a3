// The Color-Eye 2180 measurement: an 18-byte status, then a 290-byte block of
// six-character values 7 apart with one more character after every sixth.
#include "dialogue_fuzz.h"

using namespace tintara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto m = fuzz::measureWith("CE2180", {{"v", "V\n"}}, "M", data, size);
    if (m.end != instruments::MeasureEnd::NewReading) {
        fuzz::requireUnchanged(m);
        return 0;
    }
    fuzz::require(m.reply.starts_with("11"), "only a calibrated status gives a reading");
    fuzz::require(m.reply.size() >= 18 + 290, "the status and the whole block came");
    m.reply = m.reply.substr(18, 290);
    for (std::size_t i = 1; i <= 40; ++i) fuzz::requireField(m, i, 7 * i + (i - 1) / 6 - 6, 6);
    return 0;
}

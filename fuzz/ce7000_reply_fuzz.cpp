// The Color-Eye 7000 measurement reply: seven-character values 10 apart from
// position 21, after the status "11".
#include "dialogue_fuzz.h"

using namespace tintara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto m = fuzz::measureWith("CE7000", {{"R", ">"}}, "M\r", data, size);
    if (m.end != instruments::MeasureEnd::NewReading) {
        fuzz::requireUnchanged(m);
        return 0;
    }
    fuzz::require(m.reply.starts_with("11"), "only a calibrated status gives a reading");
    for (std::size_t i = 1; i <= 40; ++i) fuzz::requireField(m, i, 10 * i + 11, 7);
    return 0;
}

// The Ci5/Ci7 measurement reply: each value found by its decimal point, the
// seven characters from three before it.
#include "dialogue_fuzz.h"

using namespace tintara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto m = fuzz::measureWith("Ci5/Ci7", {{"R\r", "i>"}, {"config -mode=sce\r", ">"}}, "measure\r", data, size);
    if (m.end != instruments::MeasureEnd::NewReading) {
        fuzz::requireUnchanged(m);
        return 0;
    }
    std::size_t point = 0;
    for (std::size_t i = 1; i <= 40; ++i) {
        point = m.reply.find('.', point) + 1;
        fuzz::require(point > 0, "forty points");
        fuzz::require(point >= 4, "three characters before each point");
        fuzz::requireField(m, i, point - 3, 7);
    }
    return 0;
}

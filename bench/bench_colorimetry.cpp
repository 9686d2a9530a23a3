// Conversion rates of the colorimetry core over a fixed set of colours: the
// calls every chart makes once per chip.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "colorimetry/adaptation.h"
#include "colorimetry/cmyk.h"
#include "colorimetry/display.h"
#include "colorimetry/lab.h"

namespace {

using namespace tintara::colorimetry;

// Colours spread over the XYZ range the program meets, the same on every run.
const std::vector<Xyz>& colours() {
    static const std::vector<Xyz> made = [] {
        std::mt19937 random(20240611);
        std::uniform_real_distribution<float> X(0.5f, 95), Y(0.5f, 100), Z(0.5f, 110);
        std::vector<Xyz> out;
        for (int i = 0; i < 4000; ++i) out.push_back({X(random), Y(random), Z(random)});
        return out;
    }();
    return made;
}

template <class Convert>
void overColours(benchmark::State& state, Convert convert) {
    for (auto _ : state) {
        for (const Xyz& c : colours()) benchmark::DoNotOptimize(convert(c));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(colours().size()));
}

void BM_labFromXyz(benchmark::State& state) {
    overColours(state, [](Xyz c) { return labFromXyz(c, Condition::D50_2); });
}
BENCHMARK(BM_labFromXyz);

void BM_xyzFromLab(benchmark::State& state) {
    overColours(state, [](Xyz c) { return xyzFromLab({c.Y, c.X - 50, c.Z - 55}); });
}
BENCHMARK(BM_xyzFromLab);

void BM_displayRgbFromXyz(benchmark::State& state) {
    const DisplaySettings display;
    overColours(state, [&display](Xyz c) { return displayRgbFromXyz(c, Condition::D65_10, display); });
}
BENCHMARK(BM_displayRgbFromXyz);

void BM_adaptFromC(benchmark::State& state) {
    overColours(state, [](Xyz c) { return adaptFromC(c, Condition::D65_10); });
}
BENCHMARK(BM_adaptFromC);

void BM_cmykFromLinearRgb(benchmark::State& state) {
    const DisplaySettings display;
    overColours(state, [&display](Xyz c) { return cmykFromLinearRgb({c.X / 100, c.Y / 100, c.Z / 110}, display); });
}
BENCHMARK(BM_cmykFromLinearRgb);

}  // namespace

BENCHMARK_MAIN();

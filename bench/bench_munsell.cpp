// Conversion rates of the Munsell engine over a fixed set of colours spread
// through the renotation solid.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <random>
#include <vector>

#include "munsell/cie_to_munsell.h"
#include "munsell/hue_notation.h"
#include "munsell/munsell_to_cie.h"
#include "munsell/renotation_corners.h"
#include "munsell/value_function.h"

namespace {

using namespace tintara::munsell;
using tintara::colorimetry::Condition;
using tintara::colorimetry::Xyz;

struct Sample {
    MunsellColour colour;
    Xyz xyz;  // under illuminant C
};

struct Fixture {
    std::unique_ptr<RenotationTable> table;
    std::vector<Sample> samples;
};

// The table shipped next to the programs; the working directory is tried first.
std::unique_ptr<RenotationTable> shippedTable() {
    for (const char* path : {"Vezedu.dat", TINTARA_DATA_DIR "/Vezedu.dat"}) {
        std::ifstream in(path, std::ios::binary);
        if (auto loaded = loadRenotationTable(in); loaded.table) return std::move(loaded.table);
    }
    std::fprintf(stderr, "bench_munsell: Vezedu.dat cannot be read\n");
    std::exit(1);
}

// A few thousand colours drawn evenly over hue, value and chroma, keeping
// those the renotation data hold; the same set on every run.
const Fixture& fixture() {
    static const std::unique_ptr<Fixture> made = [] {
        auto f = std::make_unique<Fixture>();
        f->table = shippedTable();
        std::mt19937 random(20240611);
        std::uniform_real_distribution<float> hue(0, 100), value(1, 9.5f), chroma(0, 30);
        while (f->samples.size() < 4000) {
            const MunsellColour colour{hue(random), value(random), chroma(random)};
            if (const auto found = munsellToXyz(*f->table, colour, Condition::C2, false)) {
                f->samples.push_back({colour, found->xyz});
            }
        }
        return f;
    }();
    return *made;
}

template <class Convert>
void overSamples(benchmark::State& state, Convert convert) {
    const Fixture& f = fixture();
    for (auto _ : state) {
        for (const Sample& s : f.samples) benchmark::DoNotOptimize(convert(f, s));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(f.samples.size()));
}

void BM_munsellToXyz(benchmark::State& state) {
    overSamples(state, [](const Fixture& f, const Sample& s) {
        return munsellToXyz(*f.table, s.colour, Condition::C2, false);
    });
}
BENCHMARK(BM_munsellToXyz);

// Under D65 every colour is also adapted from C.
void BM_munsellToXyz_D65(benchmark::State& state) {
    overSamples(state, [](const Fixture& f, const Sample& s) {
        return munsellToXyz(*f.table, s.colour, Condition::D65_10, false);
    });
}
BENCHMARK(BM_munsellToXyz_D65);

void BM_xyzToMunsell_table(benchmark::State& state) {
    overSamples(state, [](const Fixture& f, const Sample& s) { return xyzToMunsell(*f.table, s.xyz, false); });
}
BENCHMARK(BM_xyzToMunsell_table);

void BM_xyzToMunsell_corners(benchmark::State& state) {
    const RenotationCorners corners(*fixture().table);
    overSamples(state, [&corners](const Fixture&, const Sample& s) { return xyzToMunsell(corners, s.xyz, false); });
}
BENCHMARK(BM_xyzToMunsell_corners);

void BM_valueFromY(benchmark::State& state) {
    overSamples(state, [](const Fixture&, const Sample& s) { return valueFromY(s.xyz.Y, false); });
}
BENCHMARK(BM_valueFromY);

// The hue text of every sample written and read back, as the charts label
// their chips and the entries read them.
void BM_formatAndParseHue(benchmark::State& state) {
    overSamples(state, [](const Fixture&, const Sample& s) { return parseHue(formatHue(s.colour.hue)).hue; });
}
BENCHMARK(BM_formatAndParseHue);

}  // namespace

BENCHMARK_MAIN();

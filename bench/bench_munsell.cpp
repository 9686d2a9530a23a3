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
#include "munsell/munsell_to_cie.h"
#include "munsell/renotation_corners.h"

namespace {

using namespace tintara::munsell;
using tintara::colorimetry::Condition;

struct Sample {
    float H, V, C;  // Munsell notation
    float X, Y, Z;  // its tristimulus values under illuminant C
};

struct Fixture {
    RenotationTable table;
    std::vector<Sample> samples;
};

// The table shipped next to the programs; the working directory is tried first.
void loadTable(RenotationTable& table) {
    for (const char* path : {"Vezedu.dat", TINTARA_DATA_DIR "/Vezedu.dat"}) {
        std::ifstream in(path, std::ios::binary);
        if (in && loadRenotationTable(in, table).ok) return;
    }
    std::fprintf(stderr, "bench_munsell: Vezedu.dat cannot be read\n");
    std::exit(1);
}

// A few thousand colours drawn evenly over hue, value and chroma, keeping
// those the renotation data hold; the same set on every run.
const Fixture& fixture() {
    static const std::unique_ptr<Fixture> made = [] {
        auto f = std::make_unique<Fixture>();
        loadTable(f->table);
        std::mt19937 random(20240611);
        std::uniform_real_distribution<float> hue(0, 100), value(1, 9.5f), chroma(0, 30);
        while (f->samples.size() < 4000) {
            Sample s{hue(random), value(random), chroma(random), 0, 0, 0};
            float x = 0, y = 0, V = s.V;
            if (mun2xyz(f->table, s.H, V, s.C, s.X, s.Y, s.Z, x, y, Condition::C2, false)) {
                f->samples.push_back(s);
            }
        }
        return f;
    }();
    return *made;
}

void BM_mun2xyz(benchmark::State& state) {
    const Fixture& f = fixture();
    for (auto _ : state) {
        for (const Sample& s : f.samples) {
            float V = s.V, X, Y, Z, x = 0, y = 0;
            benchmark::DoNotOptimize(mun2xyz(f.table, s.H, V, s.C, X, Y, Z, x, y, Condition::C2, false));
            benchmark::DoNotOptimize(X + Y + Z + x + y);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(f.samples.size()));
}
BENCHMARK(BM_mun2xyz);

void BM_xyy2mun_table(benchmark::State& state) {
    const Fixture& f = fixture();
    for (auto _ : state) {
        for (const Sample& s : f.samples) {
            float Y = s.Y;
            benchmark::DoNotOptimize(xyy2mun(s.X, Y, s.Z, f.table, false));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(f.samples.size()));
}
BENCHMARK(BM_xyy2mun_table);

void BM_xyy2mun_corners(benchmark::State& state) {
    const Fixture& f = fixture();
    const RenotationCorners corners(f.table);
    for (auto _ : state) {
        for (const Sample& s : f.samples) {
            float Y = s.Y;
            benchmark::DoNotOptimize(xyy2mun(s.X, Y, s.Z, corners, false));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(f.samples.size()));
}
BENCHMARK(BM_xyy2mun_corners);

}  // namespace

BENCHMARK_MAIN();

// Drawing rates of the surface: a whole palette-viewer frame (the display
// cleared, the axes and chroma rings, then one dot per palette entry) and the
// single figures it is made of. The viewer redraws every 10 ms, so a frame of
// 10,000 entries should take well under that.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "ui/surface.h"
#include "ui/user_coordinates.h"

namespace {

using namespace tintara::ui;

struct Entry {
    double angle, value, chroma;
    Rgb colour;
};

// Entries spread through the Munsell solid as a large palette would be.
std::vector<Entry> palette(int count) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> angle(0, 6.2831853), value(0, 10), chroma(0, 20);
    std::uniform_int_distribution<int> level(1, 254);
    std::vector<Entry> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back({angle(random), value(random), chroma(random),
                           Rgb{std::uint8_t(level(random)), std::uint8_t(level(random)), std::uint8_t(level(random))}});
    return entries;
}

// The viewer's display: 6015 x 5895 twips, 401 x 393 pixels, zoom 20, tilt 15.
void ViewerFrame(benchmark::State& state) {
    const auto entries = palette(int(state.range(0)));
    Surface surface(401, 393, Rgb{224, 224, 224});
    const UserCoordinates units(-20, 20, 40, -40, surface.width(), surface.height());
    const double tilt = 75 * 0.0174532925, rotation = 0.3;
    for (auto _ : state) {
        surface.clear(Rgb{224, 224, 224});
        const auto px = [&](double x) { return units.toPixelX(x); };
        const auto py = [&](double y) { return units.toPixelY(y); };
        surface.dot(px(0), py(-20 * std::sin(tilt)), black, 10);
        surface.dot(px(0), py(20 * std::sin(tilt)), white, 10);
        for (int a = 0; a < 4; ++a) {
            const double x = 20 * std::cos(a * 1.5707963 + rotation),
                         y = 20 * std::sin(a * 1.5707963 + rotation) * std::cos(tilt);
            surface.dot(px(x), py(y), Rgb{255, 0, 0}, 10);
            surface.line(px(0), py(0), px(x), py(y), black, 1);
        }
        surface.line(px(0), py(20 * std::sin(tilt)), px(0), py(-20 * std::sin(tilt)), black, 1);
        for (double r : {20.0, 10.0, 5.0, 1.0})
            surface.ellipse(px(0), py(0), units.pixelsAcross(r), units.pixelsDown(r * std::cos(tilt)), {black});
        for (const Entry& e : entries) {
            const double theta = e.angle + rotation;
            const double x = e.chroma * std::cos(theta);
            const double y = e.chroma * std::sin(theta) * std::cos(tilt) + 4 * std::sin(tilt) * (e.value - 5);
            surface.dot(px(x), py(y), e.colour, int(std::nearbyint(2 * e.value + 2)));
        }
        benchmark::DoNotOptimize(surface.pixels().data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ViewerFrame)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void Dot(benchmark::State& state) {
    Surface surface(401, 393, white);
    const int width = int(state.range(0));
    double x = 0;
    for (auto _ : state) {
        surface.dot(20 + std::fmod(x, 360), 200, black, width);
        x += 1.7;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(Dot)->Arg(2)->Arg(12)->Arg(22);

void LineAcross(benchmark::State& state) {
    Surface surface(401, 393, white);
    for (auto _ : state) surface.line(-50, 10, 450, 380, black, int(state.range(0)));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(LineAcross)->Arg(1)->Arg(3);

void HatchedChip(benchmark::State& state) {
    Surface surface(593, 553, Rgb{192, 192, 192});
    for (auto _ : state) surface.circle(296.5, 276.5, 7.4, {black, 1, FillStyle::DiagonalCross, Rgb{0, 80, 200}});
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(HatchedChip);

}  // namespace

BENCHMARK_MAIN();

// Measuring text through Qt, as the palette viewer pads every list line by
// measured widths (a few measurements a line, 10,000 lines a palette) and
// draws sample numbers beside its dots on every redraw.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <string>

#include "ui/qt/qt_text_renderer.h"

namespace {

using namespace tintara::ui;

void ListLineWidth(benchmark::State& state) {
    qt::QtTextRenderer text;
    const Font listFont{"Arial", 9.75f, false};
    int n = 0;
    for (auto _ : state) benchmark::DoNotOptimize(text.textWidth(std::to_string(++n) + "    Brick, old  ", listFont));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ListLineWidth);

void SampleNumberOnSurface(benchmark::State& state) {
    qt::QtTextRenderer text;
    Surface surface(401, 393, Rgb{224, 224, 224});
    const Font numberFont{"Times New Roman", 8.25f, false};
    int n = 0;
    for (auto _ : state)
        text.drawText(surface, 40 + n % 300, 40 + n % 290, " " + std::to_string(++n), numberFont, black);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(SampleNumberOnSurface);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

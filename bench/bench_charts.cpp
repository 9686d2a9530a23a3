// Redraw times of the charts that follow every conversion of the main window
// while they are shown: the Hue page (fillbook), the Value page (plotvalue)
// and the tolerance chart (MakeCTol), each on the headless drawing surface.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "charts/CTol.h"
#include "charts/book.h"
#include "charts/book2.h"
#include "ui/headless/headless_platform.h"
#include "windows/window_set.h"
#include "workspace/typed_entry.h"

namespace {

using namespace tintara;

// A started main window with its charts, the data shipped beside the programs.
struct Workbench {
    Workbench() {
        const workspace::FileLocations files{".", {TINTARA_DATA_DIR}};
        form = std::make_unique<workspace::Form1>(headless.platform(), files);
        companions = std::make_unique<windows::WindowSet>(*form, headless.platform(), files);
        form->setCompanions(companions.get());
        std::string error;
        if (!form->Form_Load(error)) {
            std::fprintf(stderr, "bench_charts: %s\n", error.c_str());
            std::exit(1);
        }
        workspace::typeEntry(*form, workspace::EntryForm::Munsell, {"5PB", "4", "10"});
    }
    ui::HeadlessPlatform headless;
    std::unique_ptr<workspace::Form1> form;
    std::unique_ptr<windows::WindowSet> companions;
};

Workbench& bench() {
    static Workbench made;
    return made;
}

void BM_fillbook(benchmark::State& state) {
    charts::book& page = bench().companions->hue();
    for (auto _ : state) page.fillbook();
}
BENCHMARK(BM_fillbook)->Unit(benchmark::kMillisecond);

void BM_plotvalue(benchmark::State& state) {
    charts::book2& page = bench().companions->valuePage();
    for (auto _ : state) page.plotvalue(5);
}
BENCHMARK(BM_plotvalue)->Unit(benchmark::kMillisecond);

void BM_MakeCTol(benchmark::State& state) {
    charts::CTol& chart = bench().companions->tolerance();
    for (auto _ : state) chart.MakeCTol(41.2f, 12.5f, -38.9f);
}
BENCHMARK(BM_MakeCTol)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

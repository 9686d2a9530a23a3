// The service mode's runs as a person starts them, in a headless main window:
// "Make Table" (the whole grid of 12 values, 40 hues and 20 chromas, written
// to muntable2.prn) and "Import" of a type "0" file of 10,000 Munsell samples.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "ui/headless/headless_platform.h"
#include "workspace/form1.h"
#include "workspace/service_entry.h"

namespace {

using namespace tintara;

class Workbench {
public:
    Workbench() {
        std::random_device seed;
        folder_ = std::filesystem::temp_directory_path() / ("tintara-bench-" + std::to_string(seed()));
        std::filesystem::create_directories(folder_);
        window_ = std::make_unique<workspace::Form1>(
            platform_.platform(), workspace::FileLocations{folder_, {std::filesystem::path(TINTARA_DATA_DIR)}});
        std::string error;
        if (!window_->Form_Load(error)) throw std::runtime_error(error);
    }
    ~Workbench() {
        window_.reset();
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    workspace::Form1& window() { return *window_; }
    ui::HeadlessDialogs& dialogs() { return platform_.dialogs; }
    void write(const char* name, const std::string& text) { std::ofstream(folder_ / name, std::ios::binary) << text; }

private:
    std::filesystem::path folder_;
    ui::HeadlessPlatform platform_;
    std::unique_ptr<workspace::Form1> window_;
};

void BM_MakeTable(benchmark::State& state) {
    Workbench bench;
    long long rows = 0;
    for (auto _ : state) {
        const auto& outcome = workspace::pressMakeTable(bench.window());
        if (!outcome.completed) state.SkipWithError(outcome.message.c_str());
        rows = outcome.converted;
    }
    state.counters["rows"] = double(rows);
}
BENCHMARK(BM_MakeTable)->Unit(benchmark::kMillisecond);

// Samples spread over hues, values and chromas, some outside the data and
// some outside the display.
std::string munsellSamples(int count) {
    const char* families[] = {"R", "YR", "Y", "GY", "G", "BG", "B", "PB", "P", "RP"};
    std::string text = "H,V,C\r\n";
    for (int i = 0; i < count; ++i)
        text += std::to_string(1 + i % 10) + families[(i / 10) % 10] + "," + std::to_string(1 + (i / 100) % 9) + "," +
                std::to_string(2 * ((i / 900) % 8)) + "\r\n";
    return text;
}

void BM_ImportMunsellFile(benchmark::State& state) {
    Workbench bench;
    const int samples = int(state.range(0));
    bench.write("samples.csv", munsellSamples(samples));
    for (auto _ : state) {
        bench.dialogs().answerInput("0");
        bench.dialogs().answerFile("samples.csv");
        const auto& outcome = workspace::pressImport(bench.window());
        if (!outcome.completed || outcome.converted != samples) state.SkipWithError(outcome.message.c_str());
    }
    state.counters["samples"] = samples;
}
BENCHMARK(BM_ImportMunsellFile)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

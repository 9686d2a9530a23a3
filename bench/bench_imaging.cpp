// The image window's two long jobs, headless, in a scratch folder, with the
// shipped renotation table: a palette of a 1000 x 1000 picture at n = 10
// (10,000 blocks, each averaged, converted through the main window and
// appended to the palette file; it should stay under 3 s), and the notation
// of every block of a 4000 x 3000 picture at n = 10 (120,000 blocks averaged
// and converted, as tintara-cli image-notation does for one; under 3 s too).
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <random>

#include "imaging/form2.h"
#include "ui/headless/headless_platform.h"
#include "workspace/form1.h"

namespace {

using namespace tintara;

// A picture with the variety of a photograph: soft colour gradients over the
// whole frame and a little grain, so that neighbouring blocks differ.
ui::Image photoLike(int width, int height) {
    ui::Image picture(width, height);
    std::mt19937 grain(5);
    std::uniform_int_distribution<int> noise(-6, 6);
    auto channel = [&](double v) { return std::uint8_t(std::clamp(int(v) + noise(grain), 1, 254)); };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / width, v = double(y) / height;
            picture.setPixel(x, y,
                             ui::Rgb{channel(128 + 110 * std::sin(6.1 * u + 1.3 * v)),
                                     channel(128 + 110 * std::sin(4.3 * v + 2.0 + 2.2 * u)),
                                     channel(128 + 110 * std::cos(5.2 * u * v + 3.1 * u))});
        }
    return picture;
}

class ImageBench {
public:
    ImageBench(int width, int height) {
        folder_ = std::filesystem::temp_directory_path() / ("tintara-bench-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(folder_);
        const workspace::FileLocations files{folder_, {TINTARA_DATA_DIR}};
        main_ = std::make_unique<workspace::Form1>(headless_.platform(), files);
        std::string error;
        if (!main_->Form_Load(error)) throw std::runtime_error(error);
        form_ = std::make_unique<imaging::Form2>(*main_, headless_.platform(), files, nullptr);
        form_->setWarnsOfSize(false);
        headless_.pictures.addFile("photo.png", photoLike(width, height));
        if (!form_->openPictureFile("photo.png")) throw std::runtime_error("the picture was not shown");
    }
    ~ImageBench() {
        form_.reset();
        main_.reset();
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    imaging::Form2& form() { return *form_; }
    ui::HeadlessDialogs& dialogs() { return headless_.dialogs; }
    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
    ui::HeadlessPlatform headless_;
    std::unique_ptr<workspace::Form1> main_;
    std::unique_ptr<imaging::Form2> form_;
};

void BM_PaletteOfAMegapixelPicture(benchmark::State& state) {
    ImageBench bench(1000, 1000);
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(bench.folder() / "photo.csv");
        bench.dialogs().answerInput("photo");
        bench.dialogs().answerInput("10");
        bench.dialogs().answerMessage(ui::Answer::Yes);
        state.ResumeTiming();
        bench.form().makePalette();
        if (bench.form().paletteOutcome().written != 10000) state.SkipWithError("the palette was not completed");
    }
    state.counters["records"] = 10000;
}
BENCHMARK(BM_PaletteOfAMegapixelPicture)->Unit(benchmark::kMillisecond);

void BM_NotationOfEveryBlockOfAPhoto(benchmark::State& state) {
    ImageBench bench(4000, 3000);
    const imaging::PaletteGrid grid = imaging::paletteGrid(4000, 3000, 10);
    std::size_t characters = 0;
    for (auto _ : state) {
        for (long long i = 0; i < grid.blocks(); ++i) {
            bench.form().convertBlock(imaging::blockAt(grid, i), grid.n);
            characters += bench.form().notationLine().size();
        }
    }
    benchmark::DoNotOptimize(characters);
    state.counters["blocks"] = double(grid.blocks());
}
BENCHMARK(BM_NotationOfEveryBlockOfAPhoto)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

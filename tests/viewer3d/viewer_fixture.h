// The palette viewer opened from a freshly started main window, headless, in a
// working folder of its own, with palette files written for the test and the
// viewer's timers on a time of their own.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/headless/headless_timers.h"
#include "viewer3d/form3.h"
#include "workspace/main_window_fixture.h"

namespace tintara::testkit {

struct Sample {
    std::string name, hue, value, chroma;
};

// A record as "Save to Palette" writes it (its layout is pinned by the record's
// own tests); the viewer reads fields 3 to 6.
inline std::string paletteLine(const Sample& s) {
    return "\"12-06-2026\",\"09:30:00\",\"" + s.name + "\",\"" + s.hue + "\",\"" + s.value + "\",\"" + s.chroma +
           "\",\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",0.5,0.25,0.125,\"7\",\"8\",\"9\",\"1\",\"2\",\"3\",\"4\"\r\n";
}

inline std::string paletteText(const std::vector<Sample>& samples) {
    std::string text;
    for (const Sample& s : samples) text += paletteLine(s);
    return text;
}

// count records spread over hues, values and chromas, named "s1", "s2" ...
inline std::string generatedPalette(int count) {
    static const char* const families[] = {"R", "YR", "Y", "GY", "G", "BG", "B", "PB", "P", "RP"};
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += paletteLine({"s" + std::to_string(i), std::to_string(1 + i % 9) + families[i % 10],
                             std::to_string(1 + i % 8), std::to_string(2 * (i % 6))});
    return text;
}

class ViewerTest : public MainWindowTest {
protected:
    void SetUp() override {
        start();
        w().show();
    }
    // Ticks "3D Display of HVC" the way a person does: the viewer is made, loads
    // the last palette and starts rotating.
    viewer3d::Form3& open() {
        w().Check7.click();
        return viewer();
    }
    viewer3d::Form3& viewer() { return companions->paletteViewer(); }
    const viewer3d::PaletteTables& pal() { return viewer().tables(); }
    // Loads a palette file written with these samples through GetData(2).
    void load(const std::string& name, const std::vector<Sample>& samples) {
        folder.write(name, paletteText(samples));
        w().paletteFile = name;
        viewer().GetData(2);
    }
    ui::HeadlessTimers& timers() {
        if (!timers_) timers_ = std::make_unique<ui::HeadlessTimers>(viewer(), &headless.clock);
        return *timers_;
    }
    std::vector<std::string> messages() const { return headless.dialogs.messages(); }
    ui::Rgb pixel(int x, int y) {
        ui::Rgb c;
        EXPECT_TRUE(viewer().Picture1.surface().pixel(x, y, c)) << x << "," << y;
        return c;
    }
    struct PixelIs {
        int x, y;
        ui::Rgb colour;
    };
    void expectPixels(std::initializer_list<PixelIs> expected) {
        for (const PixelIs& p : expected) EXPECT_EQ(pixel(p.x, p.y), p.colour) << p.x << "," << p.y;
    }

    std::unique_ptr<ui::HeadlessTimers> timers_;  // goes before the viewer
};

inline constexpr ui::Rgb displayGrey{224, 224, 224};

}  // namespace tintara::testkit

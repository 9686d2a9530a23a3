// What a person relies on under every illuminant: typing back any form the
// main window shows (x y, L*a*b*, RGB, CMYK) gives the same colour again,
// within the rounding of what is shown, against the colour its XYZ boxes
// give. (The notation found from XYZ and back is the Munsell engine's round
// trip, proven in its own tests.)
#include "main_window_fixture.h"

#include <cmath>
#include <map>

#include "munsell/hue_notation.h"

namespace tintara::testkit {

using workspace::EntryForm;

class RetypingTest : public StartedWindowTest {
protected:
    std::map<std::string, std::string> shown() {
        const auto fields = workspace::shownFields(w());
        return {fields.begin(), fields.end()};
    }
    // The value, and the point in the hue-chroma plane in chroma units (near a
    // neutral the hue may swing while the colour hardly moves).
    std::array<double, 3> notation() {
        const double h = munsell::parseHue(w().Text12[0].text()).hue * M_PI / 50, c = std::stod(w().Text12[2].text());
        return {std::stod(w().Text12[1].text()), c * std::cos(h), c * std::sin(h)};
    }
};

// Four decimals of x and y move a colour by up to 0.00005 in each; L*a*b* to
// two decimals by under 0.01 in L*, a* and b*, and under C the fixed white the
// entry reads against (98.04, 118.1) adds a few hundredths; the RGB boxes show
// components cut to whole numbers, up to one step below the colour; the CMYK
// boxes show inks cut to whole percentages after the black is taken out, so
// the colour typed back is up to six steps lighter in R, G and B (255 times 2
// percent, and the cut components), more than a unit of chroma near black.
// A light, a mid and a dark colour, one outside the display.
TEST_F(RetypingTest, EveryShownFormTypedBackGivesTheSameColourUnderEachCondition) {
    const struct {
        EntryForm form;
        std::vector<const char*> boxes;
        double valueBound, hueChromaBound;
    } forms[] = {{EntryForm::Xy, {"xy.x", "xy.y", "xyz.Y"}, 0.005, 0.09},
                 {EntryForm::Lab, {"lab.L", "lab.a", "lab.b"}, 0.015, 0.07},
                 {EntryForm::Rgb, {"rgb.R", "rgb.G", "rgb.B"}, 0.05, 0.2},
                 {EntryForm::Cmyk, {"cmyk.C", "cmyk.M", "cmyk.Y", "cmyk.K"}, 0.3, 1.5}};
    const std::vector<std::string> starts[] = {
        {"5.6R", "6.1", "6.2"}, {"7.5GY", "8", "4"}, {"2.5PB", "3", "8"}, {"5P", "2", "3"}, {"5G", "5", "14"}};
    for (int c = 0; c < 3; ++c) {
        w().Option1[c].select();
        for (const auto& start : starts) {
            enter(EntryForm::Munsell, start);
            auto first = shown();
            enter(EntryForm::Xyz, {first["xyz.X"], first["xyz.Y"], first["xyz.Z"]});
            const auto reference = notation();
            for (const auto& f : forms) {
                if (f.form >= EntryForm::Rgb && !first["message"].empty()) continue;
                std::vector<std::string> typed;
                for (const char* box : f.boxes) typed.push_back(first[box]);
                enter(f.form, typed);
                const auto got = notation();
                SCOPED_TRACE(testing::Message() << typed[0] << " from " << start[0] << " under " << c);
                EXPECT_NEAR(got[0], reference[0], f.valueBound);
                EXPECT_LE(std::hypot(got[1] - reference[1], got[2] - reference[2]), f.hueChromaBound);
                if (f.form == EntryForm::Cmyk) EXPECT_LE(std::stoi(shown()["rgb.R"]) - std::stoi(first["rgb.R"]), 6);
            }
        }
    }
}

}  // namespace tintara::testkit

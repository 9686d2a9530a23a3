// What a person relies on under every illuminant: typing back any form the
// main window shows (X Y Z, x y, L*a*b*, RGB, CMYK) gives the same colour
// again, within the rounding of what is shown. Random colours, started from
// RGB entries and from Munsell notations at whole values.
#include "main_window_fixture.h"

#include <cmath>
#include <cstdio>
#include <random>

#include "colorimetry/conditions.h"
#include "munsell/hue_notation.h"
#include "textio/formats.h"

namespace tintara::testkit {

using workspace::EntryForm;

namespace {

using Fields = std::vector<std::pair<std::string, std::string>>;

const std::string& field(const Fields& fields, const std::string& name) {
    for (const auto& [n, text] : fields)
        if (n == name) return text;
    static const std::string none;
    ADD_FAILURE() << "no field " << name;
    return none;
}
double number(const Fields& f, const std::string& name) { return std::stod(field(f, name)); }

// The change in value, and the distance in the hue-chroma plane in chroma
// units (near a neutral the hue may swing while the colour hardly moves).
std::pair<double, double> miss(const Fields& got, const Fields& want) {
    const double turn = 2 * M_PI / 100;
    auto point = [&](const Fields& f) {
        const double h = munsell::parseHue(field(f, "munsell.hue")).hue * turn, c = number(f, "munsell.chroma");
        return std::pair{c * std::cos(h), c * std::sin(h)};
    };
    const auto [a1, b1] = point(got);
    const auto [a2, b2] = point(want);
    return {std::fabs(number(got, "munsell.value") - number(want, "munsell.value")), std::hypot(a1 - a2, b1 - b2)};
}

// A form and the largest change in value and in hue and chroma its typing
// back may bring, from the rounding of what it shows. The XYZ boxes are what
// the notation is found from, so they give it back exactly. Four decimals of
// x and y move a colour by up to 0.00005 in each, a few hundredths of chroma
// on value 1. L*a*b* to two decimals moves it by under 0.01 in L*, a* and b*;
// under C the fixed white the entry reads against (98.04, 118.1) adds a few
// hundredths. The RGB boxes show components cut to whole numbers, up to one
// step below the colour. The CMYK boxes show inks cut to whole percentages
// after the black is taken out, so the colour typed back is up to six steps
// lighter in R, G and B (255 times 2 percent, and the cut components), which
// near black is more than a unit of chroma. The first row is a Munsell
// notation at a whole value given back by its XYZ boxes, within their
// rounding to two decimals, as is an RGB colour (under D50 the search of the box values as C
// values once gave 2.52YR 5.02/4.88 for 5R 5/4).
const struct Form {
    const char* name;
    EntryForm form;
    std::vector<const char*> boxes;
    double valueBound, hueChromaBound;
    int atLeast;
} retyped[] = {
    {"notation", EntryForm::Munsell, {}, 0.005, 0.06, 120},
    {"XYZ", EntryForm::Xyz, {"xyz.X", "xyz.Y", "xyz.Z"}, 0, 0, 200},
    {"x y", EntryForm::Xy, {"xy.x", "xy.y", "xyz.Y"}, 0.005, 0.09, 200},
    {"L*a*b*", EntryForm::Lab, {"lab.L", "lab.a", "lab.b"}, 0.015, 0.07, 200},
    {"RGB", EntryForm::Rgb, {"rgb.R", "rgb.G", "rgb.B"}, 0.05, 0.2, 200},
    {"CMYK", EntryForm::Cmyk, {"cmyk.C", "cmyk.M", "cmyk.Y", "cmyk.K"}, 0.3, 1.5, 200},
};

// Half the starts are RGB entries, every displayable colour alike; half are
// Munsell notations at whole values, where the inverse search gives the
// notation back exactly, with chroma up to 16.
std::vector<std::pair<EntryForm, std::vector<std::string>>> randomStarts(std::mt19937& random, int count) {
    std::uniform_int_distribution<int> component(0, 255), value(1, 9), family(0, 9);
    std::uniform_real_distribution<double> step(0, 10), chroma(0, 16);
    std::vector<std::pair<EntryForm, std::vector<std::string>>> starts;
    for (int i = 0; i < count; ++i) {
        if (i % 2 == 0)
            starts.push_back({EntryForm::Rgb,
                              {std::to_string(component(random)), std::to_string(component(random)),
                               std::to_string(component(random))}});
        else
            starts.push_back({EntryForm::Munsell,
                              {textio::format(step(random), "0.00") + std::string(munsell::hueNames[family(random)]),
                               std::to_string(value(random)), textio::format(chroma(random), "0.00")}});
    }
    return starts;
}

// L*a*b* below 0.008856 of the white follows the straight segment near black,
// which the L*a*b* entry, reading without it, does not undo.
bool onLabCubeRoot(const Fields& f, colorimetry::Condition condition) {
    const colorimetry::Xyz white = colorimetry::whiteOf(condition);
    return number(f, "xyz.X") / white.X > 0.008856 && number(f, "xyz.Y") / white.Y > 0.008856 &&
           number(f, "xyz.Z") / white.Z > 0.008856;
}

class RetypingTest : public StartedWindowTest {};

}  // namespace

TEST_F(RetypingTest, EveryShownFormTypedBackGivesTheSameColourUnderEachCondition) {
    for (int c = 0; c < 3; ++c) {
        const auto condition = colorimetry::Condition(c);
        workspace::chooseIlluminant(w(), condition);
        std::mt19937 random(9173 + c);
        double value[std::size(retyped)] = {}, hueChroma[std::size(retyped)] = {};
        int count[std::size(retyped)] = {}, outside = 0, lowestStep = 0, highestStep = 0;
        for (const auto& [form, values] : randomStarts(random, 300)) {
            const std::string start = values[0] + " " + values[1] + " " + values[2];
            enter(form, values);
            ASSERT_EQ(w().refusal(), "") << start;
            if (w().Text3.text() == workspace::outsideDataNotice) {
                ++outside;
                continue;
            }
            const Fields first = workspace::shownFields(w());
            // The notation of the colour as the XYZ boxes hold it.
            enter(EntryForm::Xyz, {field(first, "xyz.X"), field(first, "xyz.Y"), field(first, "xyz.Z")});
            const Fields reference = workspace::shownFields(w());
            for (std::size_t f = 0; f < std::size(retyped); ++f) {
                const Form& back = retyped[f];
                if (back.form == EntryForm::Lab && !onLabCubeRoot(first, condition)) continue;
                if ((back.form == EntryForm::Rgb || back.form == EntryForm::Cmyk) && !field(first, "message").empty())
                    continue;
                Fields got = first;
                if (f > 0) {
                    enter(form, values);
                    std::vector<std::string> typed;
                    for (const char* box : back.boxes) typed.push_back(field(first, box));
                    enter(back.form, typed);
                    ASSERT_EQ(w().refusal(), "") << back.name << " of " << start;
                    got = workspace::shownFields(w());
                }
                const auto [dv, dhc] = miss(got, reference);
                value[f] = std::max(value[f], dv), hueChroma[f] = std::max(hueChroma[f], dhc), ++count[f];
                for (const char* channel : {"rgb.R", "rgb.G", "rgb.B"}) {
                    if (back.form != EntryForm::Cmyk) break;
                    const int step = int(number(got, channel) - number(first, channel));
                    lowestStep = std::min(lowestStep, step), highestStep = std::max(highestStep, step);
                }
            }
        }
        std::printf("condition %d: %d of 300 outside the data; CMYK typed back moves R, G, B by %d to %d\n", c, outside,
                    lowestStep, highestStep);
        for (std::size_t f = 0; f < std::size(retyped); ++f) {
            std::printf("  %-8s %4d colours: value %.4f, hue and chroma %.4f\n", retyped[f].name, count[f], value[f],
                        hueChroma[f]);
            EXPECT_LE(value[f], retyped[f].valueBound) << retyped[f].name << " under " << c;
            EXPECT_LE(hueChroma[f], retyped[f].hueChromaBound) << retyped[f].name << " under " << c;
            EXPECT_GE(count[f], retyped[f].atLeast) << retyped[f].name << " under " << c;
        }
        EXPECT_EQ(lowestStep, 0) << c;
        EXPECT_LE(highestStep, 6) << c;
    }
}

}  // namespace tintara::testkit

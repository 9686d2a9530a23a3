// What a person relies on under every illuminant: typing back any form the
// main window shows (X Y Z, x y, L*a*b*, RGB, CMYK) gives the same colour
// again, within the rounding of what is shown. Random colours, started from
// RGB entries and from Munsell notations at whole values.
#include "main_window_fixture.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <random>

#include "colorimetry/conditions.h"
#include "munsell/hue_notation.h"

namespace tintara::testkit {

using workspace::EntryForm;

namespace {

// The shown fields by name; a name the window does not show throws.
using Fields = std::map<std::string, std::string>;

double number(const Fields& fields, const std::string& name) { return std::stod(fields.at(name)); }

struct Notation {
    double hue, value, chroma;
};

Notation notationOf(const Fields& f) {
    return {munsell::parseHue(f.at("munsell.hue")).hue, number(f, "munsell.value"), number(f, "munsell.chroma")};
}

// Distance in the hue-chroma plane, in chroma units: near a neutral the hue
// may swing while the colour hardly moves.
double hueChromaDistance(Notation a, Notation b) {
    const double turn = 2 * M_PI / 100;
    return std::hypot(a.chroma * std::cos(a.hue * turn) - b.chroma * std::cos(b.hue * turn),
                      a.chroma * std::sin(a.hue * turn) - b.chroma * std::sin(b.hue * turn));
}

// A form and the largest change in value and in hue and chroma (chroma units)
// its typing back may bring, from the rounding of what it shows. The XYZ
// boxes are what the notation is found from, so they give it back exactly.
// Four decimals of x and y move a colour by up to 0.00005 in each, a few
// hundredths of chroma on value 1. L*a*b* to two decimals moves it by under
// 0.01 in L*, a* and b*; under C the fixed white the entry reads against
// (98.04, 118.1) adds a few hundredths. The RGB boxes show components cut to
// whole numbers, up to one step below the colour. The CMYK boxes show inks cut
// to whole percentages after the black is taken out, so the colour typed back
// is up to six steps lighter in R, G and B (255 times 2 percent, and the cut
// components), which near black is more than a unit of chroma. The measured
// largest misses are printed; the bounds stand a little above them.
struct Form {
    const char* name;
    EntryForm form;
    std::vector<const char*> boxes;
    double valueBound, hueChromaBound;
};

const Form retyped[] = {
    {"XYZ", EntryForm::Xyz, {"xyz.X", "xyz.Y", "xyz.Z"}, 0, 0},
    {"x y", EntryForm::Xy, {"xy.x", "xy.y", "xyz.Y"}, 0.005, 0.09},
    {"L*a*b*", EntryForm::Lab, {"lab.L", "lab.a", "lab.b"}, 0.015, 0.07},
    {"RGB", EntryForm::Rgb, {"rgb.R", "rgb.G", "rgb.B"}, 0.05, 0.2},
    {"CMYK", EntryForm::Cmyk, {"cmyk.C", "cmyk.M", "cmyk.Y", "cmyk.K"}, 0.3, 1.5},
};

// The largest misses of one form under one condition, with where they were.
struct Misses {
    int count = 0;
    double value = 0, hueChroma = 0;
    std::string valueAt, hueChromaAt;

    void add(Notation got, Notation want, const std::string& start) {
        ++count;
        const double dv = std::fabs(got.value - want.value), dhc = hueChromaDistance(got, want);
        if (dv > value) value = dv, valueAt = start;
        if (dhc > hueChroma) hueChroma = dhc, hueChromaAt = start;
    }
    void expectWithin(const std::string& label, double valueBound, double hueChromaBound, int atLeast) const {
        std::printf("%-22s %4d colours: value %.4f (%s), hue and chroma %.4f (%s)\n", label.c_str(), count, value,
                    valueAt.c_str(), hueChroma, hueChromaAt.c_str());
        EXPECT_LE(value, valueBound) << label << ": " << valueAt;
        EXPECT_LE(hueChroma, hueChromaBound) << label << ": " << hueChromaAt;
        EXPECT_GE(count, atLeast) << label;
    }
};

class RetypingTest : public StartedWindowTest {
protected:
    Fields shown() {
        const auto fields = workspace::shownFields(w());
        return Fields(fields.begin(), fields.end());
    }
};

struct Start {
    EntryForm form;
    std::vector<std::string> values;
    std::string text() const { return values[0] + " " + values[1] + " " + values[2]; }
};

std::string twoDecimals(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    return text;
}

// Half the starts are RGB entries, every displayable colour alike; half are
// Munsell notations at whole values, where the inverse search gives the
// notation back exactly, with chroma up to 16.
std::vector<Start> randomStarts(std::mt19937& random, int count) {
    std::uniform_int_distribution<int> component(0, 255), value(1, 9), family(0, 9);
    std::uniform_real_distribution<double> step(0, 10), chroma(0, 16);
    std::vector<Start> starts;
    for (int i = 0; i < count; ++i) {
        if (i % 2 == 0) {
            starts.push_back({EntryForm::Rgb,
                              {std::to_string(component(random)), std::to_string(component(random)),
                               std::to_string(component(random))}});
        } else {
            const std::string hue = twoDecimals(step(random)) + std::string(munsell::hueNames[family(random)]);
            starts.push_back({EntryForm::Munsell, {hue, std::to_string(value(random)), twoDecimals(chroma(random))}});
        }
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

}  // namespace

TEST_F(RetypingTest, EveryShownFormTypedBackGivesTheSameColourUnderEachCondition) {
    const char* conditionNames[] = {"C", "D50", "D65/10"};
    for (int c = 0; c < 3; ++c) {
        const auto condition = colorimetry::Condition(c);
        workspace::chooseIlluminant(w(), condition);
        std::mt19937 random(9173 + c);
        Misses notationBack, misses[std::size(retyped)];
        int outside = 0, lowestStep = 0, highestStep = 0;
        for (const Start& start : randomStarts(random, 300)) {
            enter(start.form, start.values);
            ASSERT_EQ(w().refusal(), "") << start.text();
            if (w().Text3.text() == workspace::outsideDataNotice) {
                ++outside;
                continue;
            }
            const Fields first = shown();
            const bool displayable = first.at("message").empty();
            // The notation of the colour as the XYZ boxes hold it.
            enter(EntryForm::Xyz, {first.at("xyz.X"), first.at("xyz.Y"), first.at("xyz.Z")});
            const Notation reference = notationOf(shown());
            if (start.form == EntryForm::Munsell) {
                notationBack.add(reference, notationOf(first), start.text());
            } else {
                EXPECT_EQ(shown().at("munsell.hue"), first.at("munsell.hue")) << start.text();
                EXPECT_EQ(shown().at("munsell.chroma"), first.at("munsell.chroma")) << start.text();
            }
            for (std::size_t f = 0; f < std::size(retyped); ++f) {
                const Form& form = retyped[f];
                if (form.form == EntryForm::Lab && !onLabCubeRoot(first, condition)) continue;
                if ((form.form == EntryForm::Rgb || form.form == EntryForm::Cmyk) && !displayable) continue;
                enter(start.form, start.values);
                std::vector<std::string> values;
                for (const char* box : form.boxes) values.push_back(first.at(box));
                enter(form.form, values);
                ASSERT_EQ(w().refusal(), "") << form.name << " of " << start.text();
                misses[f].add(notationOf(shown()), reference, start.text());
                if (form.form == EntryForm::Cmyk) {
                    for (const char* channel : {"rgb.R", "rgb.G", "rgb.B"}) {
                        const int step = int(number(shown(), channel) - number(first, channel));
                        lowestStep = std::min(lowestStep, step);
                        highestStep = std::max(highestStep, step);
                    }
                }
            }
        }
        const std::string under = std::string(" under ") + conditionNames[c];
        std::printf("%d of 300 outside the data%s; CMYK typed back moves R, G, B by %d to %d\n", outside, under.c_str(),
                    lowestStep, highestStep);
        // A Munsell notation at a whole value comes back from its XYZ boxes
        // within their rounding to two decimals (under D50 the search of the
        // box values as C values once gave 2.52YR 5.02/4.88 for 5R 5/4).
        notationBack.expectWithin("notation" + under, 0.005, 0.06, 120);
        for (std::size_t f = 0; f < std::size(retyped); ++f)
            misses[f].expectWithin(retyped[f].name + under, retyped[f].valueBound, retyped[f].hueChromaBound, 200);
        EXPECT_EQ(lowestStep, 0) << under;
        EXPECT_LE(highestStep, 6) << under;
    }
}

}  // namespace tintara::testkit

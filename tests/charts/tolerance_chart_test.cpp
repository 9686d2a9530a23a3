// The tolerance chart. The chips' colours are measured again with the forward
// L*a*b* conversion under the illuminant in use, so what is checked is what a
// colorimeter would find on the screen's numbers, not the chart's own sums.
#include "chart_fixture.h"

#include <cmath>
#include <sstream>

#include "colorimetry/expect_triple.h"
#include "colorimetry/lab.h"
#include "munsell/hue_notation.h"
#include "viewer3d/form3.h"

namespace tintara::testkit {
namespace {

using charts::CTol;
using colorimetry::Condition;

class ToleranceTest : public ChartTest {
protected:
    void SetUp() override {
        ChartTest::SetUp();
        w().Check3.click();
    }
    CTol& chart() { return companions->tolerance(); }
    colorimetry::Lab labOf(int chip) {
        return colorimetry::labFromXyz(chart().xyz[std::size_t(chip)], w().condition());
    }
    float number(int chip, int i) { return std::stof(chart().hvc[std::size_t(chip)][std::size_t(i)]); }
};

// At tolerance 1 the neighbours lie one unit away on their own axis, lighter
// higher in value and darker lower; the standard is the main window's colour
// (its L*a*b* boxes the soak compares after every entry), and carried back to
// C it is found again where it was typed.
TEST_F(ToleranceTest, TheStandardAndItsNeighboursUnderEveryIlluminant) {
    for (int i = 0; i < 3; ++i) chart().HScroll1[i].setValue(10);
    const float axis[7][3] = {{0, 0, 0}, {1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
    for (Condition condition : {Condition::C2, Condition::D50_2, Condition::D65_10}) {
        SCOPED_TRACE(int(condition));
        workspace::chooseIlluminant(w(), condition);
        enterMunsell("5R", "5", "4");
        const auto& rgb = chart().rgb[0];
        EXPECT_EQ(std::to_string(rgb[0]) + "," + std::to_string(rgb[1]) + "," + std::to_string(rgb[2]),
                  joined(w().Text1));
        EXPECT_NEAR(munsell::parseHue(chart().hvc[0][0]).hue, 5.0f, 0.05f);
        EXPECT_NEAR(number(0, 1), 5.0f, 0.01f);
        EXPECT_NEAR(number(0, 2), 4.0f, 0.05f);

        chart().MakeCTol(50, 20, -10);
        const colorimetry::Lab standard = labOf(0);
        EXPECT_TRIPLE_NEAR(standard.L, standard.a, standard.b, 50, 20, -10, 0.002f);
        for (int chip = 1; chip < 7; ++chip) {
            SCOPED_TRACE(chip);
            const colorimetry::Lab lab = labOf(chip);
            const double d[3] = {lab.L - standard.L, lab.a - standard.a, lab.b - standard.b};
            EXPECT_TRIPLE_NEAR(d[0], d[1], d[2], axis[chip][0], axis[chip][1], axis[chip][2], 0.005);
        }
        EXPECT_TRUE(number(1, 1) > number(0, 1) && number(2, 1) < number(0, 1));
    }
}

TEST_F(ToleranceTest, DarkerStopsAtBlackAndNoColourIsNotSearched) {
    for (int i = 0; i < 3; ++i) chart().HScroll1[i].setValue(200);
    chart().MakeCTol(10, 0, 0);  // darker: L* -10, taken as 0
    EXPECT_NEAR(chart().xyz[2].Y, 100 * std::pow(16.0 / 116.0, 3), 1e-5);
    EXPECT_NEAR(number(2, 1), 0.22f, 0.01f);
    // L* 0, a* -200, b* 100: X and Z below 0, X + Y + Z negative.
    chart().MakeCTol(0, -200, 100);
    EXPECT_EQ(chart().hvc[0], (std::array<std::string, 3>{}));
    EXPECT_FALSE(w().chartMode);
}

TEST_F(ToleranceTest, BarsCaptionsBoxesAndBlackLines) {
    const auto chips = chart().Shape1;
    chart().Text2[1].setText("abc");
    chart().HScroll1[0].setValue(12);
    EXPECT_EQ(chart().Label2[1].caption(), "L - 1.2");  // was "L - 5"
    EXPECT_EQ(headless.dialogs.messages().back(),
              "The standard's a* (abc) is not a number: the chips stay as they were");
    EXPECT_EQ(chart().Shape1[1].fill, chips[1].fill);
    // A standard typed into the boxes is taken with Enter.
    chart().Text2[1].enter("0");
    EXPECT_EQ(chart().Text2[1].text(), ".00");
    EXPECT_NE(chart().Shape1[1].fill, chips[1].fill);

    const ui::TwipRect r = CTol::chipRect(3);
    const double bottom = r.top + r.height - 15;
    EXPECT_EQ(at(chart(), r.left + 300, bottom), chart().Shape1[3].fill);  // no line of its own
    chart().Check1.click();
    EXPECT_EQ(at(chart(), r.left + 300, bottom), ui::black);
    EXPECT_EQ(at(chart(), r.left + 300, r.top + 300), chart().Shape1[3].fill);
}

// Save Palette writes the seven chips, darker last, and has the palette viewer
// read them, then gives the main window its own palette name back. (A failed
// write is the main window's write-failure test.)
TEST_F(ToleranceTest, SavePaletteWritesSevenLinesAndGivesThePaletteNameBack) {
    chart().MakeCTol(62.7f, 24.64f, 14.18f);
    w().paletteFile = "mine.csv";
    const auto hvcs = chart().hvc;
    const auto rgbs = chart().rgb;
    chart().Command2.click();
    EXPECT_EQ(companions->paletteViewer().tables().palCount, 7);
    EXPECT_EQ(w().paletteFile, "mine.csv");
    std::istringstream lines(folder.read("Cpalette.csv"));
    std::string line;
    for (int chip = 6; chip >= 0; --chip) {
        ASSERT_TRUE(std::getline(lines, line, '\n'));
        const auto& hvc = hvcs[std::size_t(chip)];
        const auto& rgb = rgbs[std::size_t(chip)];
        EXPECT_EQ(line, "12-06-2026,09:30:00, " + std::to_string(chip) + "," + hvc[0] + "," + hvc[1] + "," + hvc[2] +
                            ",0,0,0,0,0,0,0,0,0," + std::to_string(rgb[0]) + "," + std::to_string(rgb[1]) + "," +
                            std::to_string(rgb[2]) + ",end\r");
    }
    EXPECT_FALSE(std::getline(lines, line));
}

}  // namespace
}  // namespace tintara::testkit

// The tolerance chart. The chips' colours are measured again with the forward
// L*a*b* conversion under the illuminant in use, so what is checked is what a
// colorimeter would find on the screen's numbers, not the chart's own sums.
#include "chart_fixture.h"

#include <cmath>
#include <sstream>

#include "colorimetry/lab.h"
#include "munsell/hue_notation.h"

namespace tintara::testkit {
namespace {

using charts::CTol;
using colorimetry::Condition;

// The palette viewer as the tolerance chart meets it: it records the palette
// file it was asked to read.
class RecordingViewer : public workspace::CompanionWindows {
public:
    explicit RecordingViewer(workspace::Form1& main) : main_(main) {}
    bool available(workspace::Companion which) const override { return which == workspace::Companion::PaletteViewer; }
    void show(workspace::Companion) override {}
    void hide(workspace::Companion) override {}
    bool visible(workspace::Companion) const override { return false; }
    void fillbook() override {}
    void plotvalue(float) override {}
    void MakeCTol(float, float, float) override {}
    void fillCC() override {}
    void GetData(int mode) override { read.push_back(std::to_string(mode) + " " + main_.paletteFile); }
    std::vector<std::string> read;

private:
    workspace::Form1& main_;
};

class ToleranceTest : public ChartTest {
protected:
    CTol& chart() { return companions->tolerance(); }
    void setTolerance(int tenths) {
        for (int i = 0; i < 3; ++i) chart().HScroll1[i].setValue(tenths);
    }
    colorimetry::Lab labOf(int chip) {
        return colorimetry::labFromXyz(chart().xyz[std::size_t(chip)], w().condition());
    }
};

TEST_F(ToleranceTest, AtToleranceOneTheNeighboursLieOneUnitAwayOnTheirOwnAxis) {
    w().Check3.click();
    setTolerance(10);
    const float axis[7][3] = {{0, 0, 0}, {1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
    for (Condition condition : {Condition::C2, Condition::D50_2, Condition::D65_10}) {
        SCOPED_TRACE(int(condition));
        workspace::chooseIlluminant(w(), condition);
        chart().MakeCTol(50, 20, -10);
        const colorimetry::Lab standard = labOf(0);
        EXPECT_NEAR(standard.L, 50, 0.002f);
        EXPECT_NEAR(standard.a, 20, 0.002f);
        EXPECT_NEAR(standard.b, -10, 0.002f);
        for (int chip = 1; chip < 7; ++chip) {
            const colorimetry::Lab lab = labOf(chip);
            const double d[3] = {lab.L - standard.L, lab.a - standard.a, lab.b - standard.b};
            EXPECT_NEAR(std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]), 1.0, 0.005) << chip;
            for (int k = 0; k < 3; ++k) EXPECT_NEAR(d[k], axis[chip][k], 0.005) << chip << " axis " << k;
        }
        // Lighter is higher in value, darker lower.
        EXPECT_GT(std::stof(chart().hvc[1][1]), std::stof(chart().hvc[0][1]));
        EXPECT_LT(std::stof(chart().hvc[2][1]), std::stof(chart().hvc[0][1]));
    }
}

TEST_F(ToleranceTest, TheStandardIsTheMainWindowsColourUnderEveryIlluminant) {
    w().Check3.click();
    for (Condition condition : {Condition::C2, Condition::D50_2, Condition::D65_10}) {
        SCOPED_TRACE(int(condition));
        workspace::chooseIlluminant(w(), condition);
        enterMunsell("5R", "5", "0");
        const auto& rgb = chart().rgb[0];
        EXPECT_EQ(std::to_string(rgb[0]) + "," + std::to_string(rgb[1]) + "," + std::to_string(rgb[2]),
                  joined(w().Text1));
        EXPECT_EQ(joined(chart().Text2), joined(w().Text15));
        // Carried back to C, the standard is found again where it was typed.
        enterMunsell("5R", "5", "4");
        EXPECT_NEAR(munsell::parseHue(chart().hvc[0][0]).hue, 5.0f, 0.05f);
        EXPECT_NEAR(std::stof(chart().hvc[0][1]), 5.0f, 0.01f);
        EXPECT_NEAR(std::stof(chart().hvc[0][2]), 4.0f, 0.05f);
    }
}

TEST_F(ToleranceTest, DarkerStopsAtBlackAndNoColourIsNotSearched) {
    w().Check3.click();
    setTolerance(200);
    chart().MakeCTol(10, 0, 0);  // darker: L* -10, taken as 0
    EXPECT_NEAR(chart().xyz[2].Y, 100 * std::pow(16.0 / 116.0, 3), 1e-5);
    EXPECT_NEAR(std::stof(chart().hvc[2][1]), 0.22f, 0.01f);
    // L* 0, a* -200, b* 100: X and Z below 0, X + Y + Z negative.
    chart().MakeCTol(0, -200, 100);
    EXPECT_EQ(chart().hvc[0], (std::array<std::string, 3>{}));
    EXPECT_FALSE(w().chartMode);
}

TEST_F(ToleranceTest, BarsCaptionsBoxesAndBlackLines) {
    w().Check3.click();
    const char* captions[6] = {"L + 5", "L - 5", "A + 5", "A -  5", "B + 5", "B -  5"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(chart().Label2[i].caption(), captions[i]);
    const auto chips = chart().Shape1;
    chart().Text2[1].setText("abc");
    chart().HScroll1[0].setValue(12);
    EXPECT_EQ(chart().Label2[1].caption(), "L - 1.2");
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

TEST_F(ToleranceTest, SavePaletteWritesSevenLinesAndGivesThePaletteNameBack) {
    RecordingViewer viewer(w());
    CTol chart(w(), headless.platform(), testLocations(folder.path()), viewer);
    chart.MakeCTol(62.7f, 24.64f, 14.18f);
    w().paletteFile = "mine.csv";
    chart.Command2.click();
    chart.Command2.click();
    EXPECT_EQ(viewer.read, (std::vector<std::string>{"2 Cpalette.csv", "2 Cpalette.csv"}));
    EXPECT_EQ(w().paletteFile, "mine.csv");
    std::istringstream lines(folder.read("Cpalette.csv"));
    std::string line;
    for (int chip = 6; chip >= 0; --chip) {
        ASSERT_TRUE(std::getline(lines, line, '\n'));
        const auto& hvc = chart.hvc[std::size_t(chip)];
        const auto& rgb = chart.rgb[std::size_t(chip)];
        EXPECT_EQ(line, "12-06-2026,09:30:00, " + std::to_string(chip) + "," + hvc[0] + "," + hvc[1] + "," + hvc[2] +
                            ",0,0,0,0,0,0,0,0,0," + std::to_string(rgb[0]) + "," + std::to_string(rgb[1]) + "," +
                            std::to_string(rgb[2]) + ",end\r");
    }
    EXPECT_FALSE(std::getline(lines, line));

    // A folder where the file should be: said, and nothing else changes.
    std::filesystem::remove(folder.path() / "Cpalette.csv");
    std::filesystem::create_directory(folder.path() / "Cpalette.csv");
    chart.Command2.click();
    EXPECT_EQ(headless.dialogs.messages().back(),
              "Cannot write " + (folder.path() / "Cpalette.csv").string() + ": a folder has that name");
    EXPECT_EQ(viewer.read.size(), 2u);
}

}  // namespace
}  // namespace tintara::testkit

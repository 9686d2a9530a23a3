// The ColorChecker chart, from the shipped ccnames.csv and from damaged ones.
// Patch colours worked by hand as for the Hue page: 5R 4/12 is x 0.5385,
// y 0.3129 at Y 12.001 (175.21, 54.32, 60.46 at gamma 2.2; 161.19, 38.53,
// 43.91 at 1.8); the neutrals have the C white's chromaticity at Y 90.009
// (value 9.5), 19.766 (5) and 3.126 (2).
#include "chart_fixture.h"

#include <fstream>
#include <sstream>

namespace tintara::testkit {
namespace {

using charts::CChecker;

class ColorCheckerTest : public ChartTest {
protected:
    ui::Rgb patch(const CChecker& chart, int i) {
        const ui::TwipRect r = CChecker::patchRect(i);
        const ui::Rgb shown = at(chart, r.left + 700, r.top + 700);
        EXPECT_EQ(shown, chart.Shape1[std::size_t(i)].fill) << i;
        return shown;
    }
    // A chart reading ccnames.csv from the working folder only.
    std::unique_ptr<CChecker> chartOf(const std::string& content) {
        std::filesystem::remove(folder.path() / "ccnames.csv");
        if (!content.empty()) folder.write("ccnames.csv", content);
        auto chart = std::make_unique<CChecker>(w(), headless.platform(), workspace::FileLocations{folder.path(), {}});
        chart->fillCC();
        return chart;
    }
};

TEST_F(ColorCheckerTest, ThePatchesOfTheShippedFileFollowTheGamma) {
    w().Check5.click();
    CChecker& chart = companions->colorChecker();
    EXPECT_EQ(chart.Label2.caption(), "");
    const struct {
        int patch;
        ui::Rgb at22, at18;
    } cases[] = {{14, {175, 54, 60}, {161, 38, 43}},
                 {18, {243, 243, 242}, {240, 240, 240}},
                 {21, {122, 122, 121}, {103, 103, 103}},
                 {23, {52, 52, 52}, {37, 37, 37}}};
    for (const auto& k : cases) EXPECT_EQ(patch(chart, k.patch), k.at22);
    ASSERT_TRUE(workspace::typeGamma(w(), "1.8"));
    for (const auto& k : cases) EXPECT_EQ(patch(chart, k.patch), k.at18);
    EXPECT_FALSE(w().chartMode);
}

// The shipped file holds the published notations, neutrals given a hue with
// a family symbol and chroma 0.
TEST_F(ColorCheckerTest, TheShippedFileHoldsThePublishedNotations) {
    std::ifstream published(std::string(TINTARA_SOURCE_DIR) + "/data/colorchecker-munsell.csv");
    std::ifstream shipped(std::string(TINTARA_SOURCE_DIR) + "/data/ccnames.csv");
    const charts::PatchNotations read = charts::readPatchNotations(shipped, "ccnames.csv");
    EXPECT_EQ(read.problem, "");
    std::string line;
    std::size_t i = 0;
    while (std::getline(published, line)) {
        if (line.empty() || line[0] == '#' || line.rfind("No,", 0) == 0) continue;
        std::vector<std::string> f;
        std::stringstream fields(line);
        for (std::string field; std::getline(fields, field, ',');) f.push_back(field);
        const auto& n = read.patches.at(i++);
        ASSERT_TRUE(n.has_value()) << i;
        EXPECT_EQ(n->name + " " + n->hue + " " + n->value + "/" + n->chroma,
                  f[1] + " " + (f[2] == "N" ? "5R" : f[2]) + " " + f[3] + "/" + (f[2] == "N" ? "0" : f[4]));
    }
    EXPECT_EQ(i, 24u);
}

TEST_F(ColorCheckerTest, ADamagedFilePaintsWhatItHoldsAndSaysWhatIsMissing) {
    const std::string header = "No,Name,Hue,Value,Chroma\r\n";
    const auto before = fields();
    auto chart = chartOf("");
    EXPECT_EQ(chart->Label2.caption(),
              "Cannot read ccnames.csv (looked for " + (folder.path() / "ccnames.csv").string() + ")");
    EXPECT_TRUE(chart->Shape1[0].empty);

    chart = chartOf(header + "1,red,5R,4,12\r\n\r\n2,short,5R\r\n3,seam,10RP,5,10\r\n");
    EXPECT_EQ(chart->Label2.caption(),
              "ccnames.csv, line 4: patch 2 has 3 of its 5 fields (2 of the 24 patches painted)");
    EXPECT_EQ(patch(*chart, 0), (ui::Rgb{175, 54, 60}));
    EXPECT_TRUE(chart->Shape1[1].empty);
    // 10RP 5/10 folded onto hue 0: x 0.4332, y 0.2918 at Y 19.766.
    EXPECT_EQ(patch(*chart, 2), (ui::Rgb{191, 90, 109}));
    EXPECT_TRUE(chart->Shape1[3].empty);
    const ui::TwipRect slot = CChecker::patchRect(3);
    EXPECT_EQ(at(*chart, slot.left + 700, slot.top + 700), (ui::Rgb{71, 67, 69}));

    chart = chartOf(header + "1,red,5R,4,12\r\n");
    EXPECT_EQ(chart->Label2.caption(),
              "ccnames.csv ends after line 2: patches 2 to 24 have no record (1 of the 24 patches painted)");
    chart = chartOf(header);
    EXPECT_EQ(chart->Label2.caption(), "ccnames.csv ends after line 1: patches 1 to 24 have no record");
    EXPECT_EQ(fields(), before);
    EXPECT_FALSE(w().chartMode);
}

// A record whose notation the chart cannot paint as written is named with
// its line and its patch left empty; the next record is read on.
TEST(ColorCheckerNotations, ARecordThatCannotBePaintedIsNamedWithItsLine) {
    const struct {
        const char* record;
        const char* problem;
    } cases[] = {
        {"1,bare,7.5,5,10", "\"bare\", has the hue \"7.5\" without a hue family"},
        {"1,neutral,N,5,0", "\"neutral\", has the hue \"N\" without a hue family"},
        {"1,huge,1e39R,5,4", "\"huge\", has the hue \"1e39R\" out of range"},
        {"1,dark,5R,dark,4", "\"dark\", has the value \"dark\", which is not a number"},
        {"1,far,5R,5,1e39", "\"far\", has the chroma \"1e39\", out of range"},
        {"1,empty,5R,5,", "\"empty\", has the chroma \"\", which is not a number"},
    };
    for (const auto& c : cases) {
        std::istringstream file(std::string("No,Name,Hue,Value,Chroma\r\n\r\n") + c.record + "\r\n2,red,5R, 4 ,12\r\n");
        const charts::PatchNotations read = charts::readPatchNotations(file, "ccnames.csv");
        EXPECT_EQ(read.problem, std::string("ccnames.csv, line 3: patch 1, ") + c.problem);
        EXPECT_FALSE(read.patches[0].has_value()) << c.record;
        ASSERT_TRUE(read.patches[1].has_value()) << c.record;
        EXPECT_EQ(read.patches[1]->value, "4");
    }
}

}  // namespace
}  // namespace tintara::testkit

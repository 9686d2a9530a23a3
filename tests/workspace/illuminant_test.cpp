// Colours entered under D50 and D65/10: the boxes hold the colour under the
// selected condition, and the notation is found for the same colour carried
// back to C, whichever way it came.
#include "main_window_fixture.h"

#include "munsell/hue_notation.h"
#include "workspace/typed_entry.h"

namespace tintara::testkit {

using workspace::EntryForm;

namespace {
class IlluminantTest : public MainWindowTest {
protected:
    void enter(EntryForm form, std::vector<std::string> values) { workspace::typeEntry(w(), form, values); }
    std::vector<std::string> texts(const ui::ControlArray<ui::TextBox>& boxes) {
        std::vector<std::string> out;
        for (int i = 0; i < boxes.size(); ++i) out.push_back(boxes[i].text());
        return out;
    }
};

}  // namespace

// The XYZ that 5R 5/4 shows under D50 or D65/10, typed back, is 5R 5/4 again
// (it came back as 2.52YR 5.02/4.88 under D50 when searched as C values). The
// x y boxes show the chromaticity of the box values: 5R 5/4 (x .3740 y .3220
// at Y 19.766 under C) carried by the Bradford transform worked by hand is
// 23.04, 19.92, 13.01 under D50 and 22.35, 19.74, 16.94 under D65/10.
TEST_F(IlluminantTest, RetypedXyzGivesTheNotationBack) {
    start();
    const struct {
        int button;
        const char *xyz, *xy;
    } cases[] = {{1, "23.04,19.92,13.01", ".4116,.3559"}, {2, "22.35,19.74,16.94", ".3786,.3344"}};
    for (const auto& k : cases) {
        w().Option1[k.button].select();
        enter(EntryForm::Munsell, {"5R", "5", "4"});
        EXPECT_EQ(joined(w().Text11), k.xyz);
        enter(EntryForm::Xyz, texts(w().Text11));
        // The boxes keep two decimals, which moves x and y by up to 0.00015:
        // a few hundredths of a hue step at chroma 4.
        EXPECT_NEAR(munsell::parseHue(w().Text12[0].text()).hue, 5, 0.04) << k.button;
        EXPECT_EQ(w().Text12[1].text(), "5.00") << k.button;
        EXPECT_NEAR(std::stof(w().Text12[2].text()), 4, 0.02) << k.button;
        EXPECT_EQ(joined(w().Text18), k.xy);
    }
}

// "Import %R" of a white tile: the C values of the curve (98.074, 100, 118.23)
// carried to the condition, which is its white: a neutral at value 9.90 (Y =
// 100 is 9.9019), as it was not when the boxes were searched as C values
// (4.32Y 9.90/2.75 under D50).
TEST_F(IlluminantTest, AnImportedCurveIsCarriedToTheSelectedCondition) {
    folder.write("zol.cfg", "Import\r\n 1 \r\n");
    std::string file = "white tile\r\n";
    for (int i = 0; i < 40; ++i) file += "100\r\n";
    folder.write("white.txt", file);
    start();
    const struct {
        int button;
        const char* xyz;
    } cases[] = {{0, "98.07,100.00,118.23"}, {1, "96.42,100.00,82.49"}, {2, "94.81,100.00,107.30"}};
    for (const auto& k : cases) {
        w().Option1[k.button].select();
        headless.dialogs.answerFile((folder.path() / "white.txt").string());
        w().Command8.click();
        EXPECT_EQ(joined(w().Text11), k.xyz) << k.button;
        EXPECT_EQ(w().Text12[1].text(), "9.90") << k.button;
        EXPECT_LT(std::stof(w().Text12[2].text()), 0.1f) << k.button;
    }
}

}  // namespace tintara::testkit

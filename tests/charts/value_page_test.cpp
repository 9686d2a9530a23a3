// The Value page. Chip colours are those worked by hand for the Hue page (5R
// 5/4 is 154, 111, 108; the neutral of value 5 is 122, 122, 121); chip centres
// lie 100 (C + 10) twips from (4448, 4148) at h * 3.6 degrees.
#include "chart_fixture.h"

#include <cmath>

#include "workspace/box_numbers.h"

namespace tintara::testkit {
namespace {

using charts::book2;

class ValuePageTest : public ChartTest {
protected:
    void SetUp() override {
        ChartTest::SetUp();
        w().Check4.click();
    }
    book2& page() { return companions->valuePage(); }
    ui::Rgb chip(float h, float C) {
        double x = 0, y = 0;
        book2::chipCentre(h, C, x, y);
        return at(page(), x, y);
    }
    void move(double x, double y) { page().Drawing.mouseMove(ui::MouseButton::None, 0, float(x), float(y)); }
};

TEST_F(ValuePageTest, CaptionAndScrollBarForEveryValue) {
    const struct {
        float V;
        const char* caption;
        int bar;
    } cases[] = {{5, "Value   5.", 500}, {5.25f, "Value   5.25", 525}, {9.5f, "Value   9.5", 950},
                 {1, "Value   1.", 100}, {0.5f, "Value   .5", 100},    {10, "Value   10.", 950}};
    const auto before = fields();
    for (const auto& k : cases) {
        page().plotvalue(k.V);
        EXPECT_TRUE(page().Label1.caption() == k.caption && page().VScroll1.value() == k.bar) << k.V;
    }
    EXPECT_EQ(fields(), before);  // the bar moved under its guard
}

TEST_F(ValuePageTest, TheRingTheHatchAndTheRayLabels) {
    page().plotvalue(5);
    double x = 0, y = 0;
    for (float h : {0.0f, 25.0f, 50.0f, 75.0f}) {
        book2::chipCentre(h, 0, x, y);
        EXPECT_EQ(at(page(), x, y), (ui::Rgb{122, 122, 121})) << h;
    }
    // 5R 5/20 (249, 0, 58), centred at pixel (486.7, 214.7): cross-hatched,
    // lit where (i - j) is a multiple of 8, the grey elsewhere.
    EXPECT_EQ(atPixel(page(), 486, 214), (ui::Rgb{249, 0, 58}));
    EXPECT_EQ(atPixel(page(), 487, 214), ui::lightGrey);
    // 5R 6/18 (255, 75, 85) at pixel (474.1, 218.9): a clip at 255 stays solid.
    page().plotvalue(6);
    EXPECT_EQ(atPixel(page(), 474, 218), (ui::Rgb{255, 75, 85}));
    EXPECT_EQ(atPixel(page(), 475, 218), (ui::Rgb{255, 75, 85}));

    // At value 9 the ray of 12.5 ends after chroma 6: its label stands where
    // chroma 8 would, 1800 twips out.
    page().plotvalue(9);
    ui::Surface expected(page().Drawing.surface().width(), page().Drawing.surface().height(), ui::white);
    book2::chipCentre(12.5f, 8, x, y);
    headless.text.drawText(expected, x / 15, y / 15, "2.50YR", ui::Font{}, ui::black);
    int lit = 0;
    for (int j = 0; j < expected.height(); ++j)
        for (int i = 0; i < expected.width(); ++i)
            if (expected.image().pixelOr(i, j, ui::white) == ui::black) {
                ++lit;
                EXPECT_EQ(atPixel(page(), i, j), ui::black) << i << ", " << j;
            }
    EXPECT_GT(lit, 20);
    EXPECT_NE(chip(12.5f, 6), ui::lightGrey);
}

// The read-out over a chip is the Qt test's hover. Over the hatch of 5R 5/20
// it reads a clipped colour, which the grey in the middle leaves; a click on
// either leaves the main window whole.
TEST_F(ValuePageTest, TheReadOutAndTheClick) {
    page().plotvalue(5);
    const auto before = fields();
    move(486.5 * 15, 214.5 * 15);
    EXPECT_TRUE(page().Label3.caption() == "Out of RGB Gamut" && page().Shape1.fillColor() == ui::black);
    move(4448, 4148);
    EXPECT_EQ(page().Label3.caption(), "Out of RGB Gamut");
    click(page(), 4448, 4148);
    click(page(), 486.5 * 15, 214.5 * 15);
    EXPECT_EQ(fields(), before);

    double x = 0, y = 0;
    book2::chipCentre(5, 4, x, y);
    click(page(), x, y);
    EXPECT_EQ(joined(w().Text1), "154,111,108");
    EXPECT_NEAR(workspace::boxNumberOr0(w().Text12[1]), 5.0f, 0.05f);  // found again by the inverse search
}

TEST_F(ValuePageTest, TheScrollBarSetsTheMainWindowsValue) {
    enterMunsell("5R", "5", "4");
    page().VScroll1.setValue(950);
    EXPECT_TRUE(w().Text12[1].text() == "9.5" && w().Text11[1].text() == "90.01");
    page().VScroll1.setValue(100);
    EXPECT_TRUE(w().Text12[1].text() == "1" && w().Text11[1].text() == "1.21" && page().VScroll1.value() == 100);
}

}  // namespace
}  // namespace tintara::testkit

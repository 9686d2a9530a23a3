// The Hue page. Chip colours are worked by hand for hue 5R, where every chip
// is a renotation sample itself: x, y as published, Y from the value
// polynomial, X = Y x / y, Z = Y (1 - x - y) / y, then X and Z times the C
// factors 0.969136 and 0.920927, the sRGB matrix, and 255 lin ^ (1 / 2.2)
// truncated (5R 5/4: linear 0.3315, 0.1623, 0.1538 -> 154.37, 111.58, 108.87).
#include "chart_fixture.h"

#include "workspace/box_numbers.h"

namespace tintara::testkit {
namespace {

using charts::book;
using ui::BorderStyle;

class HuePageTest : public ChartTest {
protected:
    book& page() { return companions->hue(); }
    // The middle of chip (C, V), in twips.
    void clickChip(float C, float V) {
        const ui::TwipRect r = book::chipRect(book::chipIndex(C, V));
        click(page(), r.left + 300, r.top + 300);
    }
};

TEST(HuePageLayout, ChipIndexAndPlace) {
    const struct {
        float C, V;
        int index, left, top;
    } cases[] = {{0, 9, 0, 1320, 120},  {0, 1, 8, 1320, 5880},   {0, 0, 9, 1320, 6600},
                 {2, 9, 10, 2040, 120}, {14, 5, 74, 6360, 3000}, {28, 1, 148, 11400, 5880}};
    for (const auto& k : cases) {
        const ui::TwipRect r = book::chipRect(k.index);
        EXPECT_TRUE(book::chipIndex(k.C, k.V) == k.index && r.left == k.left && r.top == k.top) << k.index;
    }
}

TEST_F(HuePageTest, ChipsInsideAndOutsideTheDataAndTheDisplayAndAClickOnThem) {
    enterMunsell("5R", "5", "4");
    w().Check2.click();
    const struct {
        float C, V;
        ui::Rgb fill;
        BorderStyle border;
    } cases[] = {
        {4, 5, {154, 111, 108}, BorderStyle::Solid}, {14, 4, {186, 38, 54}, BorderStyle::Solid},
        {0, 5, {122, 122, 121}, BorderStyle::Solid},  // the neutral column
        {20, 5, {249, 0, 58}, BorderStyle::Dotted},   // green below 0, clipped
        {18, 6, {255, 75, 85}, BorderStyle::Dotted},  // red above 1, clipped
        {28, 9, ui::lightGrey, BorderStyle::Solid},   // no sample
        {0, 0, ui::black, BorderStyle::Solid},        // value 0
        {2, 0, ui::lightGrey, BorderStyle::Solid},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << "5R " << k.V << "/" << k.C);
        const book::Chip& chip = page().Shape1[std::size_t(book::chipIndex(k.C, k.V))];
        EXPECT_EQ(chip.fill, k.fill);
        EXPECT_EQ(chip.border, k.border);
        // As shown: the fill inside, the border's first pixel black, its
        // second black when solid and the fill when dotted.
        const ui::TwipRect r = book::chipRect(book::chipIndex(k.C, k.V));
        EXPECT_EQ(at(page(), r.left + 300, r.top + 300), k.fill);
        EXPECT_EQ(at(page(), r.left, r.top), ui::black);
        EXPECT_EQ(at(page(), r.left + 15, r.top), k.border == BorderStyle::Solid ? ui::black : k.fill);
    }
    EXPECT_TRUE(page().Label1[23].caption() == "5R" && page().VScroll1.value() == 5 && page().visible());

    // A click sends a chip's colour, but not a clipped one nor the grey.
    enterMunsell("5R", "3", "2");
    const auto before = fields();
    // A clipped chip (255, 75, 85) and the black one leave the main window
    // whole: no numbers without their conversion.
    clickChip(18, 6);
    clickChip(0, 0);
    clickChip(28, 9);                 // a chip the data do not hold
    click(page(), 1320 + 650, 3000);  // between two chips
    EXPECT_EQ(fields(), before);

    clickChip(4, 5);
    EXPECT_EQ(joined(w().Text1), "154,111,108");
    EXPECT_NEAR(workspace::boxNumberOr0(w().Text12[1]), 5.0f, 0.05f);
    EXPECT_NEAR(workspace::boxNumberOr0(w().Text12[2]), 4.0f, 0.3f);
}

// 5Y 6/8: x 0.4426, y 0.4588 at Y 30.053 gives 171.69, 146.16, 40.23.
TEST_F(HuePageTest, TheScrollBarTurnsThePageWithoutConvertingTheMainColour) {
    enterMunsell("5.6R", "6.1", "6.2");
    w().Check2.click();
    // fillbook moved the bar to 6 under its guard: the hue box keeps what was typed.
    EXPECT_TRUE(page().VScroll1.value() == 6 && w().Text12[0].text() == "5.6R");
    auto before = fields();
    page().VScroll1.setValue(25);
    EXPECT_TRUE(w().Text12[0].text() == "5.00Y" && page().Label1[23].caption() == "5.00Y");
    EXPECT_EQ(page().Shape1[std::size_t(book::chipIndex(8, 6))].fill, (ui::Rgb{171, 146, 40}));
    before[0] = fields()[0];
    EXPECT_EQ(fields(), before);
    // 10RP is hue 0 again, at the top of the bar.
    enterMunsell("10RP", "5", "4");
    EXPECT_EQ(page().VScroll1.value(), 0);
}

// The neutral of value 5 is the same grey under every illuminant. Printing
// goes the main window's way; only the page's title is its own.
TEST_F(HuePageTest, TheMainWindowsFlagAndMessageStayAsTheyWereAndPrintingIsReported) {
    chooseIlluminant(w(), colorimetry::Condition::D65_10);
    enterMunsell("5R", "5", "20");
    w().Check2.click();
    EXPECT_EQ(w().Label19.caption(), "Out of RGB Range");
    EXPECT_EQ(page().Shape1[std::size_t(book::chipIndex(0, 5))].fill, (ui::Rgb{122, 122, 121}));
    for (bool raised : {true, false}) {
        w().chartMode = raised;
        page().fillbook();
        EXPECT_EQ(w().chartMode, raised);
    }
    headless.printer.pdfFile = "/home/ann/Tintara.pdf";  // no printer
    page().Command1.click();
    EXPECT_EQ(w().Text3.text(), "No printer: Munsell Book of Color was saved as /home/ann/Tintara.pdf");
}

}  // namespace
}  // namespace tintara::testkit

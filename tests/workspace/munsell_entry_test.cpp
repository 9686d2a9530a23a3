// The Munsell entry: boxes, scroll bars, the standard and difference panel.
#include "main_window_fixture.h"

namespace tintara::testing {

namespace {
class MunsellEntryTest : public MainWindowTest {
protected:
    void SetUp() override { start(); }
    void enterMunsell(const std::string& hue, const std::string& value, const std::string& chroma) {
        w().Text12[0].setText(hue);
        w().Text12[1].setText(value);
        w().Text12[2].setText(chroma);
        w().Text12[1].keyDown(ui::keyEnter);
    }
};
}  // namespace

TEST_F(MunsellEntryTest, EnterMovesTheScrollBarsHalvesToEven) {
    enterMunsell("5.6R", "6.1", "6.2");
    EXPECT_EQ(w().VScroll1.value(), 11);
    EXPECT_EQ(w().VScroll2.value(), 12);
    EXPECT_EQ(w().VScroll3.value(), 6);
    enterMunsell("2.5R", "5", "4");
    EXPECT_EQ(w().VScroll1.value(), 5);
    enterMunsell("1.25R", "5", "4");
    EXPECT_EQ(w().VScroll1.value(), 2);
    EXPECT_EQ(w().Text12[0].text(), "1.25R");  // the hue box keeps the notation as typed
    enterMunsell("5yr", "5", "4");
    EXPECT_EQ(w().VScroll1.value(), 30);
    EXPECT_EQ(w().Text12[0].text(), "5yr");
}

TEST_F(MunsellEntryTest, NeutralGivesTheWhiteChromaticityAndValueFiveLuminance) {
    enterMunsell("5R", "5", "0");
    EXPECT_EQ(w().Text18[0].text(), "0.3101");
    EXPECT_EQ(w().Text18[1].text(), "0.3163");
    EXPECT_EQ(w().Text11[0].text(), "19.38");
    EXPECT_EQ(w().Text11[1].text(), "19.77");
    EXPECT_EQ(w().Text11[2].text(), "23.35");
    EXPECT_EQ(w().Label19.caption(), "");
    w().Check1.setValue(1);  // PWD: 19.766 x 0.975
    enterMunsell("5R", "5", "0");
    EXPECT_EQ(w().Text11[1].text(), "19.27");
}

TEST_F(MunsellEntryTest, HueScrollBarWrapsTheCircleAndConvertsOnce) {
    int conversions = 0;
    w().Text15[0].onChange = [&] { ++conversions; };
    w().VScroll1.setValue(0);
    EXPECT_EQ(w().Text12[0].text(), "10.00RP");
    EXPECT_EQ(w().VScroll1.value(), 200);  // the conversion set it from the new hue
    w().VScroll1.setValue(202);
    EXPECT_EQ(w().Text12[0].text(), "1.00R");
    EXPECT_EQ(w().VScroll1.value(), 2);
    w().VScroll1.setValue(13);
    EXPECT_EQ(w().Text12[0].text(), "6.50R");
    EXPECT_LE(conversions, 3);
}

TEST_F(MunsellEntryTest, ValueAndChromaScrollBars) {
    w().VScroll2.setValue(7);
    EXPECT_EQ(w().Text12[1].text(), "3.5");
    w().VScroll2.setValue(8);
    EXPECT_EQ(w().Text12[1].text(), "4");
    w().VScroll2.setValue(20);  // the top leaves the box alone
    EXPECT_EQ(w().Text12[1].text(), "4");
    w().VScroll3.setValue(9);
    EXPECT_EQ(w().Text12[2].text(), "9");
    EXPECT_FALSE(w().VScroll3.setValue(41));
}

TEST_F(MunsellEntryTest, NotationOutsideTheDataShowsZerosBlackAndTheGamutMessage) {
    enterMunsell("5R", "5", "40");
    EXPECT_EQ(w().Text11[0].text(), "0.00");
    EXPECT_EQ(w().Text11[1].text(), "0.00");
    EXPECT_EQ(w().Text18[0].text(), "0.0000");
    EXPECT_EQ(w().Text1[0].text(), "0");
    EXPECT_EQ(w().Text1[1].text(), "0");
    EXPECT_EQ(w().Text1[2].text(), "0");
    EXPECT_EQ(w().Label19.caption(), "Out of RGB Range");
    ui::Rgb swatch;
    ASSERT_TRUE(w().Picture1.surface().pixel(5, 5, swatch));
    EXPECT_EQ(swatch, ui::black);
    // The next colour in the data clears the message.
    enterMunsell("5R", "5", "4");
    EXPECT_EQ(w().Label19.caption(), "");
}

TEST_F(MunsellEntryTest, UnknownFamilyShowsFormatErrorAndConvertsAsTheNumber) {
    enterMunsell("5X", "5", "0");
    ASSERT_EQ(headless.dialogs.messages().size(), 1u);
    EXPECT_EQ(headless.dialogs.messages()[0], "Format Error");
    EXPECT_EQ(w().Text11[1].text(), "19.77");
    EXPECT_EQ(w().Text3.text(), "");
}

TEST_F(MunsellEntryTest, OutOfRangeEntriesAreRefusedAndNothingChanges) {
    const std::string x = w().Text11[0].text();
    enterMunsell("5R", "5", "-2");
    EXPECT_EQ(w().Text3.text(), "Chroma must not be negative");
    EXPECT_EQ(w().refusal(), "Chroma must not be negative");
    EXPECT_EQ(w().Text11[0].text(), x);
    enterMunsell("5R", "-1", "2");
    EXPECT_EQ(w().Text3.text(), "Value must not be negative");
    enterMunsell("150YR", "5", "2");  // hue number 160 folds once to 60
    EXPECT_EQ(w().Text3.text(), "");
    const int hueBar = w().VScroll1.value();
    enterMunsell("150RP", "5", "2");  // 240 folds once to 140, still off the circle
    EXPECT_NE(w().Text3.text().find("hue circle"), std::string::npos);
    EXPECT_EQ(w().VScroll1.value(), hueBar);
    enterMunsell("5R", "abc", "2");  // text that is no number counts as 0
    EXPECT_EQ(w().Text3.text(), "");  // taken: the refusal goes
    EXPECT_TRUE(w().refusal().empty());
    EXPECT_EQ(w().Text11[1].text(), "0.00");
}

TEST_F(MunsellEntryTest, StandardAndDifferencePanelSequence) {
    enterMunsell("5R", "5", "4");
    const std::string L = w().Text15[0].text();
    w().Command4.click();
    EXPECT_TRUE(w().deltaMode);
    EXPECT_EQ(w().Command4.caption(), "DE");
    EXPECT_TRUE(w().Text8.visible());
    EXPECT_TRUE(w().Picture3.visible());
    EXPECT_EQ(w().Text6[0].text(), L);
    for (int i = 3; i < 7; ++i) EXPECT_EQ(w().Text6[i].text(), ".00") << i;

    enterMunsell("5R", "6", "4");  // a trial one value step lighter
    EXPECT_EQ(w().Text6[0].text(), L);
    EXPECT_NE(w().Text6[3].text(), ".00");
    EXPECT_NE(w().Text6[6].text(), ".00");

    w().Command4.click();
    EXPECT_FALSE(w().deltaMode);
    EXPECT_EQ(w().Command4.caption(), "STD");
    EXPECT_FALSE(w().Text6[6].visible());
    enterMunsell("5R", "7", "4");  // becomes the new standard
    EXPECT_EQ(w().Text6[0].text(), w().Text15[0].text());
}

TEST_F(MunsellEntryTest, DifferenceIsTakenFromTheShownTwoDecimalDifferences) {
    w().Text15[0].setText("50");
    w().Text15[1].setText("10");
    w().Text15[2].setText("10");
    w().Text15[0].keyDown(ui::keyEnter);
    w().Command4.click();
    w().Text15[0].setText("51");
    w().Text15[1].setText("12");
    w().Text15[2].setText("8");
    w().Text15[0].keyDown(ui::keyEnter);
    EXPECT_EQ(w().Text6[3].text(), "1.00");
    EXPECT_EQ(w().Text6[4].text(), "2.00");
    EXPECT_EQ(w().Text6[5].text(), "-2.00");
    EXPECT_EQ(w().Text6[6].text(), "3.00");
    EXPECT_EQ(w().labPair[0][0], 50.0f);
    EXPECT_EQ(w().labPair[1][1], 12.0f);
}

}  // namespace tintara::testing

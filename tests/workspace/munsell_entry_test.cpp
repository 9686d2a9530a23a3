// The Munsell entry: boxes, scroll bars, the standard and difference panel.
#include "main_window_fixture.h"

#include "workspace/typed_entry.h"

namespace tintara::testkit {

namespace {
class MunsellEntryTest : public MainWindowTest {
protected:
    void SetUp() override { start(); }
    void enterMunsell(const std::string& hue, const std::string& value, const std::string& chroma) {
        workspace::typeEntry(w(), workspace::EntryForm::Munsell, {hue, value, chroma});
    }
    std::vector<int> bars() { return {w().VScroll1.value(), w().VScroll2.value(), w().VScroll3.value()}; }
};
}  // namespace

TEST_F(MunsellEntryTest, EnterMovesTheScrollBarsHalvesToEven) {
    enterMunsell("5.6R", "6.1", "6.2");
    EXPECT_EQ(bars(), (std::vector<int>{11, 12, 6}));
    enterMunsell("2.5R", "5", "4");
    EXPECT_EQ(bars(), (std::vector<int>{5, 10, 4}));
    enterMunsell("1.25R", "4.75", "4.5");  // 2.5, 9.5 and 4.5 go to the even neighbour
    EXPECT_EQ(bars(), (std::vector<int>{2, 10, 4}));
    enterMunsell("5yr", "5", "4");
    EXPECT_EQ(w().VScroll1.value(), 30);
    EXPECT_EQ(w().Text12[0].text(), "5yr");  // the hue box keeps the notation as typed
}

TEST_F(MunsellEntryTest, NeutralGivesTheWhiteChromaticityAndValueFiveLuminance) {
    enterMunsell("5R", "5", "0");
    EXPECT_EQ(joined(w().Text18), "0.3101,0.3163");
    EXPECT_EQ(joined(w().Text11), "19.38,19.77,23.35");
    EXPECT_EQ(w().Label19.caption(), "");
    w().Check1.setValue(1);  // PWD: 19.766 x 0.975
    enterMunsell("5R", "5", "0");
    EXPECT_EQ(w().Text11[1].text(), "19.27");
}

TEST_F(MunsellEntryTest, ScrollBarsWriteTheirBoxAndConvertOnce) {
    int conversions = 0;
    w().Text15[0].onChange = [&] { ++conversions; };
    w().VScroll1.setValue(0);
    EXPECT_EQ(w().Text12[0].text(), "10.00RP");
    EXPECT_EQ(w().VScroll1.value(), 200);  // the conversion set it from the new hue
    w().VScroll1.setValue(202);
    EXPECT_EQ(w().Text12[0].text(), "1.00R");
    EXPECT_EQ(w().VScroll1.value(), 2);
    EXPECT_LE(conversions, 2);
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

TEST_F(MunsellEntryTest, UnknownFamilyShowsFormatErrorAndConvertsAsTheNumber) {
    enterMunsell("5X", "5", "0");
    EXPECT_EQ(headless.dialogs.messages(), std::vector<std::string>{"Format Error"});
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
    enterMunsell("5R", "abc", "2");   // text that is no number counts as 0
    EXPECT_EQ(w().Text3.text(), "");  // taken: the refusal goes
    EXPECT_TRUE(w().refusal().empty());
    EXPECT_EQ(w().Text11[1].text(), "0.00");
}

TEST_F(MunsellEntryTest, StandardAndDifferencePanelSequence) {
    enterMunsell("5R", "5", "4");
    const std::string L = w().Text15[0].text();
    w().Command4.click();
    EXPECT_TRUE(w().deltaMode());
    EXPECT_EQ(w().Command4.caption(), "DE");
    expectVisible({&w().Text8, &w().Picture3}, true);
    EXPECT_EQ(w().Text6[0].text(), L);
    for (int i = 3; i < 7; ++i) EXPECT_EQ(w().Text6[i].text(), ".00") << i;

    enterMunsell("5R", "6", "4");  // a trial one value step lighter: L* 61.70 against 51.57
    EXPECT_EQ(w().Text6[0].text(), L);
    EXPECT_EQ(w().Text6[3].text(), "10.13");

    w().Command4.click();
    EXPECT_FALSE(w().deltaMode());
    EXPECT_EQ(w().Command4.caption(), "STD");
    EXPECT_FALSE(w().Text6[6].visible());
    enterMunsell("5R", "7", "4");  // becomes the new standard
    EXPECT_EQ(w().Text6[0].text(), w().Text15[0].text());
}

TEST_F(MunsellEntryTest, DifferenceIsTakenFromTheShownTwoDecimalDifferences) {
    workspace::typeEntry(w(), workspace::EntryForm::Lab, {"50", "10", "10"});
    w().Command4.click();
    workspace::typeEntry(w(), workspace::EntryForm::Lab, {"51", "12", "8"});
    EXPECT_EQ(joined(w().Text6), "50.00,10.00,10.00,1.00,2.00,-2.00,3.00");
    EXPECT_EQ(w().labPair()[0][0], 50.0f);
    EXPECT_EQ(w().labPair()[1][1], 12.0f);
}

}  // namespace tintara::testkit

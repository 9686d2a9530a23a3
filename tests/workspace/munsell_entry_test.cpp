// The Munsell entry: boxes, scroll bars, the standard and difference panel.
#include "main_window_fixture.h"

namespace tintara::testkit {

using workspace::EntryForm;

class MunsellEntryTest : public StartedWindowTest {};

// 2.5, 9.5 and 4.5 half steps go to the even neighbour; the hue box keeps the
// notation as typed.
TEST_F(MunsellEntryTest, EnterMovesTheScrollBarsHalvesToEvenAndANeutralIsTheWhite) {
    const std::pair<std::vector<std::string>, std::vector<int>> cases[] = {{{"5.6R", "6.1", "6.2"}, {11, 12, 6}},
                                                                           {{"2.5R", "5", "4"}, {5, 10, 4}},
                                                                           {{"1.25R", "4.75", "4.5"}, {2, 10, 4}},
                                                                           {{"5yr", "5", "4"}, {30, 10, 4}}};
    for (const auto& [typed, bars] : cases) {
        enter(EntryForm::Munsell, typed);
        EXPECT_EQ(munsellBars(), bars) << typed[0];
    }
    EXPECT_EQ(w().Text12[0].text(), "5yr");

    // The neutral is the white's x y at Y 19.766; with PWD ticked 19.766 x 0.975.
    enter(EntryForm::Munsell, {"5R", "5", "0"});
    EXPECT_EQ(joined(w().Text18) + " " + joined(w().Text11), "0.3101,0.3163 19.38,19.77,23.35");
    w().Check1.setValue(1);
    enter(EntryForm::Munsell, {"5R", "5", "0"});
    EXPECT_EQ(w().Text11[1].text(), "19.27");
    enter(EntryForm::Munsell, {"5X", "5", "0"});  // an unknown family: the message, then the number alone
    EXPECT_EQ(headless.dialogs.messages(), std::vector<std::string>{"Format Error"});
    EXPECT_EQ(w().Text11[1].text() + w().Text3.text(), "19.27");
}

TEST_F(MunsellEntryTest, ScrollBarsWriteTheirBoxAndConvertOnce) {
    int conversions = 0;
    w().Text15[0].onChange = [&] { ++conversions; };
    w().VScroll1.setValue(0);  // the conversion sets the bar from the new hue
    EXPECT_EQ(w().Text12[0].text() + " " + std::to_string(w().VScroll1.value()), "10.00RP 200");
    w().VScroll1.setValue(202);
    EXPECT_EQ(w().Text12[0].text() + " " + std::to_string(w().VScroll1.value()), "1.00R 2");  // converted once each
    EXPECT_LE(conversions, 2);
    const std::pair<int, const char*> values[] = {{7, "3.5"}, {8, "4"}, {20, "4"}};  // the top leaves the box alone
    for (const auto& [bar, box] : values) {
        w().VScroll2.setValue(bar);
        EXPECT_EQ(w().Text12[1].text(), box) << bar;
    }
    w().VScroll3.setValue(9);
    EXPECT_TRUE(w().Text12[2].text() == "9" && !w().VScroll3.setValue(41));
}

TEST_F(MunsellEntryTest, OutOfRangeEntriesAreRefusedAndNothingChanges) {
    const std::string x = w().Text11[0].text();
    enter(EntryForm::Munsell, {"5R", "5", "-2"});
    EXPECT_EQ(w().Text3.text() + "|" + w().refusal(), "Chroma must not be negative|Chroma must not be negative");
    EXPECT_EQ(w().Text11[0].text(), x);
    enter(EntryForm::Munsell, {"5R", "-1", "2"});
    EXPECT_EQ(w().Text3.text(), "Value must not be negative");
    enter(EntryForm::Munsell, {"150YR", "5", "2"});  // hue number 160 folds once to 60
    EXPECT_EQ(w().Text3.text(), "");
    const int hueBar = w().VScroll1.value();
    enter(EntryForm::Munsell, {"150RP", "5", "2"});  // 240 folds once to 140, still off the circle
    EXPECT_EQ(w().Text3.text() + " " + std::to_string(w().VScroll1.value()),
              "Hue 150RP lies off the hue circle (0 to 10RP) " + std::to_string(hueBar));
    enter(EntryForm::Munsell, {"5R", "abc", "2"});  // text that is no number counts as 0, and the refusal goes
    EXPECT_EQ(w().Text3.text() + w().refusal() + w().Text11[1].text(), "0.00");
}

TEST_F(MunsellEntryTest, StandardAndDifferencePanelSequence) {
    enter(EntryForm::Munsell, {"5R", "5", "4"});
    const std::string L = w().Text15[0].text();
    w().Command4.click();
    EXPECT_TRUE(w().deltaMode() && w().Command4.caption() == "DE");
    expectVisible({&w().Text8, &w().Picture3}, true);
    EXPECT_EQ(w().Text6[0].text(), L);
    for (int i = 3; i < 7; ++i) EXPECT_EQ(w().Text6[i].text(), ".00") << i;
    enter(EntryForm::Munsell, {"5R", "6", "4"});  // a trial one value step lighter: L* 61.70 against 51.57
    EXPECT_EQ(w().Text6[0].text() + " " + w().Text6[3].text(), L + " 10.13");
    w().Command4.click();
    EXPECT_TRUE(w().Command4.caption() == "STD" && !w().deltaMode() && !w().Text6[6].visible());
    enter(EntryForm::Munsell, {"5R", "7", "4"});  // becomes the new standard
    EXPECT_EQ(w().Text6[0].text(), w().Text15[0].text());
    // The difference is taken from the shown two-decimal differences.
    enter(EntryForm::Lab, {"50", "10", "10"});
    w().Command4.click();
    enter(EntryForm::Lab, {"51", "12", "8"});
    EXPECT_EQ(joined(w().Text6), "50.00,10.00,10.00,1.00,2.00,-2.00,3.00");
    EXPECT_TRUE(w().labPair()[0][0] == 50.0f && w().labPair()[1][1] == 12.0f);
}

}  // namespace tintara::testkit

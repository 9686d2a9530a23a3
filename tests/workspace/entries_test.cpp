// The X Y Z, x y, L*a*b*, RGB and CMYK entries.
#include "main_window_fixture.h"

#include "workspace/typed_entry.h"

namespace tintara::testkit {

using workspace::EntryForm;

namespace {
class EntriesTest : public MainWindowTest {
protected:
    void SetUp() override { start(); }
    void enter(EntryForm form, std::vector<std::string> values) { workspace::typeEntry(w(), form, values); }
    std::vector<std::pair<std::string, std::string>> fields() { return workspace::shownFields(w()); }
};
}  // namespace

TEST_F(EntriesTest, RgbEntryLimitsRoundsAndMovesTheBarsWithoutASecondConversion) {
    int conversions = 0;
    w().Text15[0].onChange = [&] { ++conversions; };
    w().Text15[1].onChange = [&] { ++conversions; };
    enter(EntryForm::Rgb, {"300", "-5", "12.5"});
    EXPECT_EQ(joined(w().Text1), "255,0,12");
    EXPECT_EQ((std::vector<int>{w().VScroll4.value(), w().VScroll5.value(), w().VScroll6.value()}),
              (std::vector<int>{255, 0, 12}));
    EXPECT_LE(conversions, 2);
}

TEST_F(EntriesTest, RgbWhiteGivesYOfExactly100AndTheGamutMessageGoes) {
    enter(EntryForm::Munsell, {"5R", "5", "40"});
    ASSERT_EQ(w().Label19.caption(), "Out of RGB Range");
    enter(EntryForm::Rgb, {"255", "255", "255"});
    EXPECT_EQ(w().Text11[1].text(), "100");
    EXPECT_EQ(w().Label19.caption(), "");
    EXPECT_EQ(joined(w().Text2), "0,0,0,0");
    EXPECT_EQ(w().Text12[2].text().substr(0, 2), "0.");  // a white is near neutral
}

TEST_F(EntriesTest, CmykEntry) {
    enter(EntryForm::Cmyk, {"0", "0", "0", "0"});
    EXPECT_EQ(joined(w().Text1), "255,255,255");
    enter(EntryForm::Cmyk, {"0", "0", "0", "150"});  // 150 counts as 100
    EXPECT_EQ(joined(w().Text1), "0,0,0");
    EXPECT_EQ(w().Text2[3].text(), "150");  // the boxes are not rewritten
    enter(EntryForm::Cmyk, {"-20", "0", "0", "0"});
    EXPECT_EQ(joined(w().Text1), "255,255,255");
}

TEST_F(EntriesTest, XyEntryKeepsYAndRewritesXAndZ) {
    enter(EntryForm::Xy, {"0.3101", "0.3163", "20"});
    // X = x Y / y = 19.608, Z = (1 - x - y) Y / y = 23.623; Y stays as typed.
    EXPECT_EQ(joined(w().Text11), "19.61,20,23.62");
    EXPECT_EQ(w().Text12[2].text(), "0.00");  // the white: a neutral
}

TEST_F(EntriesTest, XyzEntryFindsTheNotationAndLeavesTheDifferencePanel) {
    enter(EntryForm::Munsell, {"5R", "5", "0"});
    w().Command4.click();
    const std::string dL = w().Text6[3].text();
    enter(EntryForm::Xyz, {"19.379", "19.766", "23.347"});
    EXPECT_EQ(w().Text12[1].text(), "5.00");
    EXPECT_EQ(w().Text12[2].text(), "0.00");
    EXPECT_EQ(w().Text6[3].text(), dL);
    EXPECT_EQ(w().Text11[0].text(), "19.379");  // the typed text stays
    enter(EntryForm::Lab, {"60", "0", "0"});
    EXPECT_NE(w().Text6[3].text(), dL);
}

TEST_F(EntriesTest, LabEntryIsReadAgainstTheCWhite) {
    enter(EntryForm::Lab, {"100", "0", "0"});
    EXPECT_EQ(joined(w().Text11), "98.04,100.00,118.10");
    w().Option1[1].select();
    enter(EntryForm::Lab, {"100", "0", "0"});
    EXPECT_NE(w().Text11[2].text(), "118.10");  // carried back to C from D50
}

TEST_F(EntriesTest, EntriesThatCannotBeConvertedAreRefusedAndNothingChanges) {
    const auto before = fields();
    struct Case {
        EntryForm form;
        std::vector<std::string> values;
        std::string message;
    } cases[] = {
        {EntryForm::Xyz, {"abc", "1", "2"}, "X, Y and Z must be numbers"},
        {EntryForm::Xyz, {"", "1", "2"}, "X, Y and Z must be numbers"},
        {EntryForm::Xyz, {"0", "0", "0"}, "X + Y + Z must be more than 0"},
        {EntryForm::Xyz, {"-5", "1", "2"}, "X + Y + Z must be more than 0"},
        {EntryForm::Xy, {"0.3", "0", "20"}, "y must not be 0"},
        {EntryForm::Xy, {"0.3", "x", "20"}, "x, y and Y must be numbers"},
        {EntryForm::Lab, {"-20", "0", "0"}, "L* must not be below -16"},
        {EntryForm::Lab, {"50", "1e999", "0"}, "L*, a* and b* must be numbers"},
        {EntryForm::Cmyk, {"10", "", "0", "0"}, "C, M, Y and K must be numbers"},
    };
    for (const auto& c : cases) {
        enter(c.form, c.values);
        EXPECT_EQ(w().Text3.text(), c.message);
        auto now = fields();
        // Only the typed boxes differ; the Munsell notation, RGB and the gamut
        // message, which no refused form types into, stay.
        for (int i : {0, 1, 2, 11, 12, 13, 18}) EXPECT_EQ(now[i], before[i]) << c.message;
    }
    enter(EntryForm::Rgb, {"70000", "0", "0"});
    EXPECT_NE(w().Text3.text().find("70000"), std::string::npos);
    EXPECT_EQ(w().Text1[0].text(), "70000");
    EXPECT_EQ(w().VScroll4.value(), std::stoi(before[11].second));
}

TEST_F(EntriesTest, TypedEntryMatchesTheStartUpConversion) {
    const auto startup = fields();
    enter(EntryForm::Munsell, {"5.6R", "6.1", "6.2"});
    EXPECT_EQ(fields(), startup);
}

}  // namespace tintara::testkit

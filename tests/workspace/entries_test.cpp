// The X Y Z, x y, L*a*b*, RGB and CMYK entries.
#include "main_window_fixture.h"

#include <functional>

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

// RGB is limited to 0..255 and cut to whole numbers, and moves the bars
// without a second conversion; white is Y of exactly 100 and takes the gamut
// message away. CMYK inks count within 0..100 and the boxes keep them as typed.
TEST_F(EntriesTest, RgbAndCmykEntries) {
    int conversions = 0;
    w().Text15[0].onChange = [&] { ++conversions; };
    w().Text15[1].onChange = [&] { ++conversions; };
    enter(EntryForm::Rgb, {"300", "-5", "12.5"});
    EXPECT_EQ(joined(w().Text1), "255,0,12");
    EXPECT_EQ((std::vector<int>{w().VScroll4.value(), w().VScroll5.value(), w().VScroll6.value()}),
              (std::vector<int>{255, 0, 12}));
    EXPECT_LE(conversions, 2);

    enter(EntryForm::Munsell, {"5R", "5", "40"});
    ASSERT_EQ(w().Label19.caption(), "Out of RGB Range");
    enter(EntryForm::Rgb, {"255", "255", "255"});
    EXPECT_EQ(w().Text11[1].text(), "100");
    EXPECT_EQ(w().Label19.caption(), "");
    EXPECT_EQ(joined(w().Text2), "0,0,0,0");
    EXPECT_EQ(w().Text12[2].text().substr(0, 2), "0.");  // a white is near neutral

    const std::pair<std::vector<std::string>, const char*> inks[] = {{{"0", "0", "0", "0"}, "255,255,255"},
                                                                     {{"0", "0", "0", "150"}, "0,0,0"},
                                                                     {{"-20", "0", "0", "0"}, "255,255,255"}};
    for (const auto& [typed, rgb] : inks) {
        enter(EntryForm::Cmyk, typed);
        EXPECT_EQ(joined(w().Text1), rgb) << typed[0] << " " << typed[3];
        EXPECT_EQ(w().Text2[3].text(), typed[3]);
    }
}

// Value 0 (Y = 0, Newton leaves 0 as it is) and value 0.41 (Y = 0.5) are
// shown as 0.50, the lowest value the boxes and the value bar take.
TEST_F(EntriesTest, VeryDarkColoursShowValueOneHalf) {
    for (const char* Y : {"0", "0.5"}) {
        enter(EntryForm::Xyz, {"1", Y, "1"});
        EXPECT_EQ(w().Text12[1].text(), "0.50") << Y;
        EXPECT_EQ(w().VScroll2.value(), 1) << Y;
    }
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
    enter(EntryForm::Lab, {"60", "0", "0"});    // against the standard's L* 51.57
    EXPECT_EQ(w().Text6[3].text(), "8.43");
}

// Under C, L*a*b* is read against 98.04, 100, 118.1; under D50 and D65/10
// against that condition's white, with no adaptation: the XYZ boxes hold the
// colour under the condition (worked by hand: Y = (66/116)^3 100, X = (f +
// 0.04)^3 Xn, Z = (f + 0.15)^3 Zn for 50, 20, -30).
TEST_F(EntriesTest, LabEntryIsReadAgainstTheSelectedWhite) {
    const struct {
        int button;
        const char *white, *blue;
    } cases[] = {{0, "98.04,100.00,118.10", "22.14,18.42,43.89"},
                 {1, "96.42,100.00,82.49", "21.77,18.42,30.66"},
                 {2, "94.81,100.00,107.30", "21.41,18.42,39.88"}};
    for (const auto& k : cases) {
        w().Option1[k.button].select();
        enter(EntryForm::Lab, {"100", "0", "0"});
        EXPECT_EQ(joined(w().Text11), k.white) << k.button;
        // The condition's white is neutral. (The C white itself, x .31006 y
        // .31615, lies 0.0002 from the table's white, which is chroma 0.03.)
        EXPECT_LT(std::stof(w().Text12[2].text()), 0.1f) << k.button;
        enter(EntryForm::Lab, {"50", "20", "-30"});
        EXPECT_EQ(joined(w().Text11), k.blue) << k.button;
        EXPECT_EQ(joined(w().Text15), "50,20,-30");  // the typed boxes stay
    }
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
        {EntryForm::Xyz, {"-5", "1", "2"}, "X + Y + Z must be more than 0"},
        {EntryForm::Xyz, {"-1", "1", "0"}, "X + Y + Z must be more than 0"},
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

// Every way a colour reaches the window clears "Out of RGB Range" once the new
// colour can be shown. Each path starts from a saturated red outside the
// display (X Y Z 80, 30, 5), with the Munsell boxes holding 5R 5/4 where the
// path converts them.
TEST_F(EntriesTest, EveryEntryPathClearsTheGamutMessage) {
    auto differentFrom = [](int now, int a, int b) { return now == a ? b : a; };
    auto typing = [this](EntryForm form, std::vector<std::string> values) {
        return [this, form, values](workspace::Form1&) { enter(form, values); };
    };
    const struct {
        const char* path;
        std::function<void(workspace::Form1&)> enter;
    } paths[] = {
        {"Munsell", typing(EntryForm::Munsell, {"5R", "5", "4"})},
        {"XYZ", typing(EntryForm::Xyz, {"20", "20", "22"})},
        {"x y", typing(EntryForm::Xy, {"0.3101", "0.3163", "20"})},
        {"L*a*b*", typing(EntryForm::Lab, {"50", "10", "10"})},
        {"RGB", typing(EntryForm::Rgb, {"120", "90", "60"})},
        {"CMYK", typing(EntryForm::Cmyk, {"10", "20", "30", "0"})},
        {"hue bar", [&](auto& f) { f.VScroll1.setValue(differentFrom(f.VScroll1.value(), 20, 30)); }},
        {"value bar", [&](auto& f) { f.VScroll2.setValue(differentFrom(f.VScroll2.value(), 10, 12)); }},
        {"chroma bar", [&](auto& f) { f.VScroll3.setValue(differentFrom(f.VScroll3.value(), 4, 6)); }},
        {"R bar", [&](auto& f) { f.VScroll4.setValue(differentFrom(f.VScroll4.value(), 120, 130)); }},
        {"illuminant", [&](auto& f) { f.Option1[2].select(); }},
        {"gamma", [&](auto& f) { f.VScroll8.setValue(25); }},
        {"swatch",
         [&](auto& f) {
             f.Picture1.fill(ui::Rgb{120, 90, 60});
             f.Picture1.mouseDown(ui::MouseButton::Left, 0, 300, 300);
         }},
    };
    for (const auto& p : paths) {
        enter(EntryForm::Xyz, {"80", "30", "5"});
        ASSERT_EQ(w().Label19.caption(), "Out of RGB Range") << p.path;
        ASSERT_TRUE(w().outOfGamut()) << p.path;
        w().Text12[0].setText("5R");
        w().Text12[1].setText("5");
        w().Text12[2].setText("4");
        p.enter(w());
        EXPECT_EQ(w().Label19.caption(), "") << p.path;
        EXPECT_FALSE(w().outOfGamut()) << p.path;
        EXPECT_NE(joined(w().Text1), "0,0,0") << p.path;
        w().Option1[0].select();
        w().VScroll8.setValue(22);
    }
}

TEST_F(EntriesTest, TypedEntryMatchesTheStartUpConversion) {
    const auto startup = fields();
    enter(EntryForm::Munsell, {"5.6R", "6.1", "6.2"});
    EXPECT_EQ(fields(), startup);
}

}  // namespace tintara::testkit

// The X Y Z, x y, L*a*b*, RGB and CMYK entries under each illuminant, at the
// edges of the renotation data, and typed back from what the window shows.
#include "main_window_fixture.h"

#include <cmath>
#include <functional>

#include "munsell/hue_notation.h"

namespace tintara::testkit {

using workspace::EntryForm;

class EntriesTest : public StartedWindowTest {};
class IlluminantTest : public MainWindowTest {};

// RGB is limited to 0..255 and cut to whole numbers, and moves the bars
// without a second conversion; white is Y of exactly 100 and takes the gamut
// message away. CMYK inks count within 0..100 and the boxes keep them as typed.
TEST_F(EntriesTest, RgbCmykAndXyEntries) {
    int conversions = 0;
    w().Text15[0].onChange = w().Text15[1].onChange = [&] { ++conversions; };
    enter(EntryForm::Rgb, {"300", "-5", "12.5"});
    EXPECT_EQ(joined(w().Text1), "255,0,12");
    EXPECT_EQ(rgbBars(), (std::vector<int>{255, 0, 12}));
    EXPECT_LE(conversions, 2);
    enter(EntryForm::Rgb, {"255", "255", "255"});
    EXPECT_EQ(w().Text11[1].text() + " " + joined(w().Text2), "100 0,0,0,0");
    EXPECT_EQ(w().Text12[2].text().substr(0, 2), "0.");  // a white is near neutral
    const std::pair<std::vector<std::string>, const char*> inks[] = {{{"0", "0", "0", "0"}, "255,255,255"},
                                                                     {{"0", "0", "0", "150"}, "0,0,0"},
                                                                     {{"-20", "0", "0", "0"}, "255,255,255"}};
    for (const auto& [typed, rgb] : inks) {
        enter(EntryForm::Cmyk, typed);
        EXPECT_EQ(joined(w().Text1) + " " + w().Text2[3].text(), rgb + (" " + typed[3])) << typed[0];
    }

    // X = x Y / y = 19.608, Z = (1 - x - y) Y / y = 23.623; Y stays as typed.
    // Value 0 (Y = 0, Newton leaves 0 as it is) and value 0.41 (Y = 0.5) are
    // shown as 0.50, the lowest value the boxes and the value bar take.
    enter(EntryForm::Xy, {"0.3101", "0.3163", "20"});
    EXPECT_EQ(joined(w().Text11) + " " + w().Text12[2].text(), "19.61,20,23.62 0.00");  // the white: a neutral
    for (const char* Y : {"0", "0.5"}) {
        enter(EntryForm::Xyz, {"1", Y, "1"});
        EXPECT_EQ(w().Text12[1].text() + " " + std::to_string(w().VScroll2.value()), "0.50 1") << Y;
    }
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
        EXPECT_EQ(joined(w().Text11) + " " + joined(w().Text15), k.blue + std::string(" 50,20,-30")) << k.button;
    }
}

TEST_F(EntriesTest, EntriesThatCannotBeConvertedAreRefusedAndNothingChanges) {
    const auto before = workspace::shownFields(w());
    const std::tuple<EntryForm, std::vector<std::string>, std::string> cases[] = {
        {EntryForm::Xyz, {"abc", "1", "2"}, "X, Y and Z must be numbers"},
        {EntryForm::Xyz, {"", "1", "2"}, "X, Y and Z must be numbers"},
        {EntryForm::Xyz, {"-5", "1", "2"}, "X + Y + Z must be more than 0"},
        {EntryForm::Xyz, {"-1", "1", "0"}, "X + Y + Z must be more than 0"},
        {EntryForm::Xy, {"0.3", "0", "20"}, "y must not be 0"},
        {EntryForm::Xy, {"0.3", "x", "20"}, "x, y and Y must be numbers"},
        {EntryForm::Lab, {"-20", "0", "0"}, "L* must not be below -16"},
        {EntryForm::Lab, {"50", "1e999", "0"}, "L*, a* and b* must be numbers"},
        {EntryForm::Cmyk, {"10", "", "0", "0"}, "C, M, Y and K must be numbers"},
        {EntryForm::Rgb, {"70000", "0", "0"}, "R, G and B run from 0 to 255; 70000 is far outside"},
    };
    for (const auto& [form, values, message] : cases) {
        enter(form, values);
        EXPECT_EQ(w().Text3.text(), message);
        // Only the typed boxes differ; the Munsell notation, the R bar, RGB
        // and the gamut message, which no other refused form types into, stay.
        for (int i : {0, 1, 2, 11, 12, 13, 18})
            if (form != EntryForm::Rgb || i < 11 || i > 13) {
                EXPECT_EQ(workspace::shownFields(w())[i], before[i]) << message;
            }
        EXPECT_EQ(w().VScroll4.value(), 199) << message;
    }
}

// Every way a colour reaches the window clears "Out of RGB Range" once the new
// colour can be shown (the typed forms not listed convert as the Munsell
// entry does, the Munsell bars as the R bar). Each path starts from a saturated red outside the
// display (X Y Z 80, 30, 5), with the Munsell boxes holding 5R 5/4 where the
// path converts them.
TEST_F(EntriesTest, EveryEntryPathClearsTheGamutMessage) {
    auto typing = [this](EntryForm form, std::vector<std::string> values) {
        return [this, form, values](workspace::Form1&) { enter(form, values); };
    };
    const std::pair<const char*, std::function<void(workspace::Form1&)>> paths[] = {
        {"Munsell", typing(EntryForm::Munsell, {"5R", "5", "4"})},
        {"RGB", typing(EntryForm::Rgb, {"120", "90", "60"})},
        {"CMYK", typing(EntryForm::Cmyk, {"10", "20", "30", "0"})},
        {"R bar", [](auto& f) { f.VScroll4.setValue(f.VScroll4.value() == 120 ? 130 : 120); }},
        {"swatch",
         [](auto& f) {
             f.Picture1.fill(ui::Rgb{120, 90, 60});
             f.Picture1.mouseDown(ui::MouseButton::Left, 0, 300, 300);
         }},
        {"illuminant", [](auto& f) { f.Option1[2].select(); }},
        {"gamma", [](auto& f) { f.VScroll8.setValue(25); }},
    };
    for (const auto& [path, change] : paths) {
        enter(EntryForm::Xyz, {"80", "30", "5"});
        ASSERT_EQ(w().Label19.caption(), "Out of RGB Range") << path;
        for (int i = 0; i < 3; ++i) w().Text12[i].setText(std::vector<std::string>{"5R", "5", "4"}[i]);
        change(w());
        EXPECT_TRUE(w().Label19.caption().empty() && !w().outOfGamut()) << path;
    }
}

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
        enter(EntryForm::Xyz, {w().Text11[0].text(), w().Text11[1].text(), w().Text11[2].text()});
        // The boxes keep two decimals, which moves x and y by up to 0.00015:
        // a few hundredths of a hue step at chroma 4.
        const float hue = munsell::parseHue(w().Text12[0].text()).hue, chroma = std::stof(w().Text12[2].text());
        EXPECT_TRUE(std::fabs(hue - 5) <= 0.04f && std::fabs(chroma - 4) <= 0.02f) << hue << " " << chroma;
        EXPECT_EQ(w().Text12[1].text() + " " + joined(w().Text18), "5.00 " + std::string(k.xy));
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
    const char* xyz[] = {"98.07,100.00,118.23", "96.42,100.00,82.49", "94.81,100.00,107.30"};
    for (int button = 0; button < 3; ++button) {
        w().Option1[button].select();
        headless.dialogs.answerFile((folder.path() / "white.txt").string());
        w().Command8.click();
        EXPECT_EQ(joined(w().Text11) + " " + w().Text12[1].text(), xyz[button] + std::string(" 9.90")) << button;
        EXPECT_LT(std::stof(w().Text12[2].text()), 0.1f) << button;
    }
}

// The main window at the edges of the renotation data: colours outside it,
// colours darker than value 1, and black.

class DataEdgesTest : public StartedWindowTest {};

// 5R 5 reaches chroma 28 (level 6 goes on to 30): 27.99 lies inside the
// data, 28 needs the chroma-30 sample of level 5, which the data lack.
TEST_F(DataEdgesTest, ANotationOrAColourOutsideTheDataShowsTheNotice) {
    enter(EntryForm::Munsell, {"5R", "5", "28"});
    // The notation stays as typed.
    EXPECT_EQ(joined(w().Text11) + " " + joined(w().Text18) + " " + joined(w().Text1) + " " + joined(w().Text12),
              "0.00,0.00,0.00 0.0000,0.0000 0,0,0 5R,5,28");
    ui::Rgb swatch;
    EXPECT_TRUE(w().Picture1.surface().pixel(5, 5, swatch) && swatch == ui::black);
    EXPECT_EQ(w().Label19.caption() + "|" + w().Text3.text(), "Out of RGB Range|Outside the Munsell renotation data");

    enter(EntryForm::Munsell, {"5R", "5", "27.99"});
    EXPECT_EQ(w().Text3.text() + w().Text11[1].text(), "19.77");  // no notice; Y of value 5

    // x .7 y .1 lies far outside every cell of both levels: the boxes still
    // receive numbers (the not-found cells', a hue within 2.5 of 0 and a chroma
    // below 2), and the message line says so. The next colour inside the data
    // takes the notice off, but no other message.
    enter(EntryForm::Xyz, {"140", "20", "40"});
    // The value of Y = 20 is 5.0259 by bisection.
    EXPECT_EQ(w().Text3.text() + " " + w().Text12[1].text(), "Outside the Munsell renotation data 5.03");
    const float H = munsell::parseHue(w().Text12[0].text()).hue, C = std::stof(w().Text12[2].text());
    EXPECT_TRUE(((H >= 0 && H <= 2.5f) || H >= 97.5f) && C >= 0 && C <= 2) << H << " " << C;

    enter(EntryForm::Xyz, {"19.379", "19.766", "23.347"});  // 5R 5/0
    EXPECT_EQ(w().Text3.text(), "");
    enter(EntryForm::Xy, {"0.7", "0.1", "20"});
    EXPECT_EQ(w().Text3.text(), "Outside the Munsell renotation data");
    w().Text3.setText("kqv");  // the service code
    ASSERT_TRUE(w().Command3.visible());
    enter(EntryForm::Rgb, {"120", "90", "60"});
    EXPECT_TRUE(w().Text3.text() == "kqv" && w().Command3.visible());
}

// Below value 1 a colour keeps the chromaticity of value 1: 5PB 0.8/2 is
// x .2427 y .2368 (5PB 1/2) at Y = 0.94391, so X = 0.96743, Z = 2.07477; its
// display RGB, worked by hand, is 25, 30, 41.
TEST_F(DataEdgesTest, ColoursDarkerThanValueOneConvertBothWays) {
    enter(EntryForm::Munsell, {"5PB", "0.8", "2"});
    EXPECT_EQ(joined(w().Text11) + " " + joined(w().Text1) + w().Text3.text() + w().Label19.caption(),
              "0.97,0.94,2.07 25,30,41");

    // RGB 10 20 30 is X, Y, Z 0.34, 0.35, 0.98 (x .2036 y .2096), value 0.30,
    // shown at the floor of 0.50; the bilinear cell of 2.5PB..5PB, chroma 2..4
    // of value 1 inverted by hand puts it at 2.04PB, chroma 3.32.
    enter(EntryForm::Rgb, {"10", "20", "30"});
    EXPECT_EQ(joined(w().Text11) + " " + joined(w().Text12) + w().Text3.text(), "0.34,0.35,0.98 2.04PB,0.50,3.32");
}

// Black has no chromaticity: whichever way it comes, the window shows the
// neutral black, .00R 0.50/0.00 with x and y .0000 and the Munsell bars at
// 0, 1, 0, instead of the previous colour's notation.
TEST_F(DataEdgesTest, BlackShowsTheNeutralBlack) {
    const struct {
        const char* how;
        EntryForm form;
        std::vector<std::string> values;
        const char* gamut;
    } blacks[] = {
        {"RGB", EntryForm::Rgb, {"0", "0", "0"}, ""},
        {"CMYK", EntryForm::Cmyk, {"0", "0", "0", "100"}, ""},
        {"XYZ", EntryForm::Xyz, {"0", "0", "0"}, "Out of RGB Range"},
        {"x y", EntryForm::Xy, {"0.3", "0.3", "0"}, "Out of RGB Range"},
        {"L*a*b*", EntryForm::Lab, {"-16", "0", "0"}, "Out of RGB Range"},
    };
    for (int condition = 0; condition < 3; ++condition) {
        w().Option1[condition].select();
        for (const auto& k : blacks) {
            SCOPED_TRACE(testing::Message() << k.how << " under " << condition);
            enter(EntryForm::Xyz, {"140", "20", "40"});  // a colour with a notice and chroma
            enter(k.form, k.values);
            EXPECT_EQ(w().refusal() + w().Text3.text() + joined(w().Text12) + " " + joined(w().Text18) + " " +
                          joined(w().Text1) + w().Label19.caption(),
                      std::string(".00R,0.50,0.00 .0000,.0000 0,0,0") + k.gamut);
            EXPECT_EQ(munsellBars(), (std::vector<int>{0, 1, 0}));
        }
    }
    // A faint colour is not black: x .2 y .2 lies at 2.90PB, chroma 3.62, on
    // value 1 (inverted by hand as above).
    w().Option1[0].select();
    enter(EntryForm::Xyz, {"0.01", "0.01", "0.03"});
    EXPECT_EQ(joined(w().Text12), "2.90PB,0.50,3.62");
}

}  // namespace tintara::testkit

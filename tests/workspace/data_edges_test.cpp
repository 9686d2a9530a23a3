// The main window at the edges of the renotation data: colours outside it,
// colours darker than value 1, and black.
#include "main_window_fixture.h"

#include "munsell/hue_notation.h"

namespace tintara::testkit {

using workspace::EntryForm;

class DataEdgesTest : public StartedWindowTest {};

// 5R 5 reaches chroma 28 (level 6 goes on to 30): 27.99 lies inside the
// data, 28 needs the chroma-30 sample of level 5, which the data lack.
TEST_F(DataEdgesTest, AMunsellNotationOutsideTheDataIsBlackWithTheNotice) {
    enter(EntryForm::Munsell, {"5R", "5", "28"});
    // The notation stays as typed.
    EXPECT_EQ(joined(w().Text11) + " " + joined(w().Text18) + " " + joined(w().Text1) + " " + joined(w().Text12),
              "0.00,0.00,0.00 0.0000,0.0000 0,0,0 5R,5,28");
    ui::Rgb swatch;
    ASSERT_TRUE(w().Picture1.surface().pixel(5, 5, swatch));
    EXPECT_EQ(swatch, ui::black);
    EXPECT_EQ(w().Label19.caption() + "|" + w().Text3.text(), "Out of RGB Range|Outside the Munsell renotation data");

    enter(EntryForm::Munsell, {"5R", "5", "27.99"});
    EXPECT_EQ(w().Text3.text(), "");
    EXPECT_EQ(w().Text11[1].text(), "19.77");  // Y of value 5
}

// x .7 y .1 lies far outside every cell of both levels: the boxes still
// receive numbers (the not-found cells', a hue within 2.5 of 0 and a chroma
// below 2), and the message line says so. The next colour inside the data
// takes the notice off, but no other message.
TEST_F(DataEdgesTest, AColourOutsideTheDataShowsItsNumbersAndTheNotice) {
    enter(EntryForm::Xyz, {"140", "20", "40"});
    EXPECT_EQ(w().Text3.text(), "Outside the Munsell renotation data");
    EXPECT_EQ(w().Text12[1].text(), "5.03");  // value of Y = 20: 5.0259 by bisection
    const float H = munsell::parseHue(w().Text12[0].text()).hue, C = std::stof(w().Text12[2].text());
    EXPECT_TRUE((H >= 0 && H <= 2.5f) || H >= 97.5f) << H;
    EXPECT_TRUE(C >= 0 && C <= 2) << C;

    enter(EntryForm::Xyz, {"19.379", "19.766", "23.347"});  // 5R 5/0
    EXPECT_EQ(w().Text3.text(), "");
    enter(EntryForm::Xy, {"0.7", "0.1", "20"});
    EXPECT_EQ(w().Text3.text(), "Outside the Munsell renotation data");
    w().Text3.setText("kqv");  // the service code
    ASSERT_TRUE(w().Command3.visible());
    enter(EntryForm::Rgb, {"120", "90", "60"});
    EXPECT_EQ(w().Text3.text(), "kqv");
    EXPECT_TRUE(w().Command3.visible());
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

// The conversions other windows call on the main window: their effects on the
// caller's variables, under the selected illuminant and options. Expected
// values are worked by hand as in the colorimetry and Munsell tests, which pin
// the conversions themselves.
#include "main_window_fixture.h"

#include <cmath>

namespace tintara::testkit {

class SharedConversionsTest : public StartedWindowTest {};

TEST_F(SharedConversionsTest, XyzlabRaisesTheCallersValuesLabxyzLeavesThemOnARefusal) {
    w().Option1[2].select();
    float X = 0, Y = -3, Z = 0.02f, L = 0, a = 0, b = 0;
    w().xyzlab(X, Y, Z, L, a, b);  // against the D65/10 white
    EXPECT_TRUE(X == 0.01f && Y == 0.01f && Z == 0.02f);
    EXPECT_TRUE(std::fabs(L - 0.090329) < 2e-5 && std::fabs(b + 0.134538) < 2e-5) << L << " " << b;
    // Against the C white whatever the illuminant; a refusal leaves the values.
    EXPECT_TRUE(w().labxyz(X, Y, Z, 50, 20, -30) && !w().labxyz(X, Y, Z, -17, 0, 0));
    EXPECT_NEAR(Z, 43.89092, 5e-5);
}

TEST_F(SharedConversionsTest, XyzrgbLeavesTheWorkingValuesAndChartModeLeavesTheWindowAlone) {
    const auto before = workspace::shownFields(w());
    w().chartMode = true;
    std::int16_t R = -1, G = -1, B = -1;
    float X = 35, Y = 45, Z = 60;  // the cyan of the display tests, under C
    w().xyzrgb(R, G, B, X, Y, Z);
    EXPECT_TRUE(R == 101 && G == 192 && B == 187 && std::fabs(X - 0.3391976f) < 1e-7 && Y == 0.45f &&
                std::fabs(Z - 0.5525562f) < 1e-7);
    X = 80, Y = 30, Z = 5;  // outside the display: clamped, not zeroed, in chart mode
    w().xyzrgb(R, G, B, X, Y, Z);
    EXPECT_TRUE(R == 255 && G == 0 && w().outOfGamut());
    EXPECT_EQ(workspace::shownFields(w()), before);
    // Outside chart mode the window shows black, with the inks of the linear
    // red (2.028, -0.187 raised to 0, 0.0306), not of the black shown.
    w().chartMode = false;
    X = 80, Y = 30, Z = 5;
    w().xyzrgb(R, G, B, X, Y, Z);
    EXPECT_TRUE(R == 0 && G == 0 && B == 0 && w().VScroll4.value() == 0);
    EXPECT_EQ(joined(w().Text1) + " " + joined(w().Text2) + " " + w().Label19.caption(),
              "0,0,0 0,100,79,0 Out of RGB Range");
}

// Carried to D50 and back by hand: 40.80492, 30.47323, 13.94008.
TEST_F(SharedConversionsTest, AdaptationThroughTheWindow) {
    w().Option1[1].select();
    float X = 40, Y = 30, Z = 20, x = 0, y = 0;
    w().xyzconvert("F", X, Y, Z, x, y);
    EXPECT_TRUE(std::fabs(Z - 13.94008) < 1e-4 && std::fabs(x - 40.80492 / (40.80492 + 30.47323 + 13.94008)) < 1e-6);
    w().xyzconvert("B", X, Y, Z, x, y);
    EXPECT_NEAR(Z, 20, 2e-4);
}

TEST_F(SharedConversionsTest, MunsellThroughTheWindow) {
    float V = 10, X = 0, Y = 0, Z = 0, x = -7, y = -7;
    ASSERT_TRUE(w().mun2xyz(12.3f, V, 3, X, Y, Z, x, y));
    EXPECT_TRUE(V == 9.5f && std::fabs(Y - 90.00919) < 1e-4) << V << " " << Y;  // V lowered for the caller
    const float keptX = x;
    EXPECT_FALSE(w().mun2xyz(5, V, 40, X, Y, Z, x, y));  // outside the data
    EXPECT_TRUE(X == 0 && Y == 0 && Z == 0 && x == keptX);

    std::string S = "2.5bg";
    float H = 0;
    w().converth(S, H);
    EXPECT_TRUE(S == "2.5BG" && H == 52.5f && headless.dialogs.shown.empty());
    S = "5x";
    w().converth(S, H);
    EXPECT_TRUE(H == 105.0f && headless.dialogs.messages() == std::vector<std::string>{"Format Error"});

    float C = 0;
    Y = 19.76612f;  // 5PB 5/10 under C
    w().xyy2mun(H, V, C, 20.14382f, Y, 56.93535f);
    EXPECT_TRUE(std::fabs(H - 75) < 0.01 && std::fabs(V - 5) < 1e-4 && std::fabs(C - 10) < 0.01);
    Y = -4;
    w().xyy2mun(H, V, C, 10, Y, 10);
    EXPECT_TRUE(Y == 0 && V == 0);
}

}  // namespace tintara::testkit

// The conversions other windows call on the main window, with their effects
// on the caller's variables, under the selected illuminant and options.
// Expected values are worked by hand as in the colorimetry and Munsell tests.
#include "main_window_fixture.h"

#include <cmath>

#include "workspace/typed_entry.h"

namespace tintara::testkit {

namespace {
class SharedConversionsTest : public MainWindowTest {
protected:
    void SetUp() override { start(); }
};
}  // namespace

TEST_F(SharedConversionsTest, XyzlabRaisesTheCallersValuesAndFollowsTheIlluminant) {
    w().Option1[2].select();
    float X = 0, Y = -3, Z = 0.02f, L = 0, a = 0, b = 0;
    w().xyzlab(X, Y, Z, L, a, b);
    EXPECT_TRUE(X == 0.01f && Y == 0.01f && Z == 0.02f);
    EXPECT_NEAR(L, 0.090329, 2e-5);
    EXPECT_NEAR(a, 0.021309, 2e-5);
    EXPECT_NEAR(b, -0.134538, 2e-5);
    float X2 = 40, Y2 = 30, Z2 = 20;  // against the D65/10 white
    w().xyzlab(X2, Y2, Z2, L, a, b);
    EXPECT_NEAR(a, 40.288528, 2e-5);
    EXPECT_NEAR(b, 19.642240, 2e-5);
}

TEST_F(SharedConversionsTest, LabxyzAndRgbxyz) {
    w().Option1[1].select();
    float X = -1, Y = -1, Z = -1;
    ASSERT_TRUE(w().labxyz(X, Y, Z, 50, 20, -30));  // the C white whatever the illuminant
    EXPECT_NEAR(X, 22.14023, 5e-5);
    EXPECT_NEAR(Y, 18.41865, 5e-5);
    EXPECT_NEAR(Z, 43.89092, 5e-5);
    EXPECT_FALSE(w().labxyz(X, Y, Z, -17, 0, 0));
    EXPECT_NEAR(X, 22.14023, 5e-5);  // untouched
    w().rgbxyz(1, 0, 0, X, Y, Z);    // pure red under D50: 0.412453 / 0.98574, 0.212671, 0.019334 / 1.319458
    EXPECT_NEAR(X, 0.4184197, 2e-7);
    EXPECT_NEAR(Y, 0.2126710, 2e-7);
    EXPECT_NEAR(Z, 0.0146530, 2e-7);
}

TEST_F(SharedConversionsTest, XyzrgbLeavesTheWorkingValuesAndChartModeLeavesTheWindowAlone) {
    const auto before = workspace::shownFields(w());
    w().chartMode = true;
    std::int16_t R = -1, G = -1, B = -1;
    float X = 35, Y = 45, Z = 60;  // the cyan of the display tests, under C
    w().xyzrgb(R, G, B, X, Y, Z);
    EXPECT_TRUE(R == 101 && G == 192 && B == 187);
    EXPECT_NEAR(X, 0.3391976, 1e-7);  // 0.35 * 0.969136
    EXPECT_NEAR(Y, 0.45, 1e-7);
    EXPECT_NEAR(Z, 0.5525562, 1e-7);  // 0.60 * 0.920927
    X = 80, Y = 30, Z = 5;            // outside the display: clamped, not zeroed, in chart mode
    w().xyzrgb(R, G, B, X, Y, Z);
    EXPECT_TRUE(R == 255 && G == 0 && w().outOfGamut());
    EXPECT_EQ(workspace::shownFields(w()), before);

    w().chartMode = false;
    X = 80, Y = 30, Z = 5;
    w().xyzrgb(R, G, B, X, Y, Z);
    EXPECT_TRUE(R == 0 && G == 0 && B == 0);
    EXPECT_EQ(joined(w().Text1), "0,0,0");
    EXPECT_EQ(w().VScroll4.value(), 0);
    EXPECT_EQ(w().Label19.caption(), "Out of RGB Range");
    // The inks are those of the clamped linear colour, not of black.
    EXPECT_NE(joined(w().Text2), "19,19,19,80");
}

TEST_F(SharedConversionsTest, RgbcmykRaisesNegativesInPlaceAndWritesTheInkBoxes) {
    float r = 0.587f, g = -0.2f, b = 0.4f, C = 0, M = 0, Y = 0, K = 0;
    w().rgbcmyk(r, g, b, C, M, Y, K);
    EXPECT_EQ(g, 0.0f);
    // Inks 0.2151, 1, 0.3406: black 0.0151 off each.
    EXPECT_TRUE(C == 20 && M == 98 && Y == 32 && K == 1) << C << " " << M << " " << Y << " " << K;
    EXPECT_EQ(joined(w().Text2), "20,98,32,1");
}

TEST_F(SharedConversionsTest, XyzconvAndXyzconvert) {
    float Xo = 0, Yo = 0, Zo = 0;
    w().xyzconv(35, 20, 5, 98.074f, 100, 118.232f, Xo, Yo, Zo, 96.42f, 100, 82.49f);
    EXPECT_NEAR(Xo, 36.33694, 1e-4);
    EXPECT_NEAR(Yo, 20.61542, 1e-4);
    EXPECT_NEAR(Zo, 3.44012, 1e-4);

    w().Option1[1].select();
    float X = 40, Y = 30, Z = 20, x = 0, y = 0;
    w().xyzconvert("F", X, Y, Z, x, y);  // by hand: 40.80492, 30.47323, 13.94008
    EXPECT_NEAR(X, 40.80492, 1e-4);
    EXPECT_NEAR(Z, 13.94008, 1e-4);
    EXPECT_NEAR(x, 40.80492 / (40.80492 + 30.47323 + 13.94008), 1e-6);
    EXPECT_NEAR(y, 30.47323 / (40.80492 + 30.47323 + 13.94008), 1e-6);
    w().xyzconvert("B", X, Y, Z, x, y);
    EXPECT_NEAR(X, 40, 2e-4);
    EXPECT_NEAR(Y, 30, 2e-4);
    EXPECT_NEAR(Z, 20, 2e-4);
}

TEST_F(SharedConversionsTest, Mun2xyzLowersTheValueAndLeavesXyAloneForAnAbsentColour) {
    float V = 10, X = 0, Y = 0, Z = 0, x = -7, y = -7;
    ASSERT_TRUE(w().mun2xyz(12.3f, V, 3, X, Y, Z, x, y));
    EXPECT_EQ(V, 9.5f);
    EXPECT_NEAR(Y, 90.00919, 1e-4);
    V = 5;
    EXPECT_FALSE(w().mun2xyz(5, V, 40, X, Y, Z, x, y));
    EXPECT_TRUE(X == 0 && Y == 0 && Z == 0);
    EXPECT_NE(x, -7.0f);  // left from the first call, not cleared
    const float keptX = x;
    EXPECT_FALSE(w().mun2xyz(5, V, 40, X, Y, Z, x, y));
    EXPECT_EQ(x, keptX);
}

TEST_F(SharedConversionsTest, HueNotationThroughTheWindow) {
    std::string S = "2.5bg";
    float H = 0;
    w().converth(S, H);
    EXPECT_EQ(S, "2.5BG");
    EXPECT_EQ(H, 52.5f);
    EXPECT_TRUE(headless.dialogs.shown.empty());
    S = "5x";
    w().converth(S, H);
    EXPECT_EQ(H, 105.0f);
    EXPECT_EQ(headless.dialogs.messages(), std::vector<std::string>{"Format Error"});
    w().hconvert(12.5f, S);
    EXPECT_EQ(S, "2.50YR");
}

TEST_F(SharedConversionsTest, InverseSearchValueFunctionAndTheCurve) {
    // 5PB 5/10 under C, X Y Z by hand from the table.
    float H = 0, V = 0, C = 0, Y = 19.76612f;
    w().xyy2mun(H, V, C, 20.14382f, Y, 56.93535f);
    EXPECT_NEAR(H, 75, 0.01);
    EXPECT_NEAR(V, 5, 1e-4);
    EXPECT_NEAR(C, 10, 0.01);
    Y = -4;
    w().xyy2mun(H, V, C, 10, Y, 10);
    EXPECT_EQ(Y, 0.0f);
    EXPECT_EQ(V, 0.0f);

    w().Check1.setValue(1);  // the perfect white: value 10 is Y 100.0038
    float Yv = 0;
    w().val2y(10, Yv);
    EXPECT_NEAR(Yv, 100.0038, 1e-3);
    Yv = 100.0038f;
    w().y2val(Yv, V);
    EXPECT_NEAR(V, 10, 1e-4);

    // Started without an instrument: no weights, every curve is black.
    w().refl.fill(100);
    float X = -1, Z = -1;
    w().tris(X, Yv, Z);
    EXPECT_TRUE(X == 0 && Yv == 0 && Z == 0);
    w().getweights();
    w().tris(X, Yv, Z);
    EXPECT_NEAR(X, 98.074, 2e-4);
    EXPECT_NEAR(Yv, 100, 2e-4);
    EXPECT_NEAR(Z, 118.230, 2e-4);
}

}  // namespace tintara::testkit

// The chart windows as the main window's switches open them: made on first
// use, hidden when unticked, unticking their box when closed, and redrawn by
// every conversion while shown.
#include "chart_fixture.h"

#include <cmath>

#include "workspace/box_numbers.h"

namespace tintara::testkit {
namespace {

using workspace::Companion;

TEST_F(ChartTest, EachChartOpensFromItsBoxAndClosesWithItsFrame) {
    const struct {
        ui::CheckBox* box;
        Companion which;
        const char* caption;
    } charts[] = {{&w().Check2, Companion::HuePage, "Munsell Book of Color"},
                  {&w().Check4, Companion::ValuePage, "Munsell Value Page"},
                  {&w().Check3, Companion::Tolerance, "Munsell Color Tolerance Set"},
                  {&w().Check5, Companion::ColorChecker, "The Macbeth ColorChecker\u00ae"}};
    for (const auto& k : charts) {
        SCOPED_TRACE(k.caption);
        EXPECT_EQ(companions->existing(k.which), nullptr);
        k.box->click();
        ui::Window* chart = companions->existing(k.which);
        ASSERT_NE(chart, nullptr);
        EXPECT_TRUE(chart->visible());
        EXPECT_EQ(chart->caption(), k.caption);
        k.box->click();
        EXPECT_FALSE(chart->visible());
        k.box->click();
        EXPECT_EQ(companions->existing(k.which), chart);
        chart->close();
        EXPECT_FALSE(chart->visible());
        EXPECT_FALSE(k.box->ticked());
    }
    EXPECT_EQ(w().Text3.text(), "");
}

TEST_F(ChartTest, OpenChartsFollowEveryConversion) {
    for (ui::CheckBox* box : {&w().Check2, &w().Check3, &w().Check4}) box->click();
    enterMunsell("2.5YR", "7", "6");
    EXPECT_EQ(companions->hue().Label1[23].caption(), "2.5YR");
    EXPECT_EQ(companions->valuePage().Label1.caption(), "Value   7.");
    EXPECT_EQ(joined(companions->tolerance().Text2), joined(w().Text15));
    workspace::typeEntry(w(), workspace::EntryForm::Rgb, {"40", "90", "160"});
    EXPECT_EQ(companions->hue().Label1[23].caption(), w().Text12[0].text());
    EXPECT_EQ(companions->valuePage().VScroll1.value(),
              int(std::nearbyint(workspace::boxNumberOr0(w().Text12[1]) * 100)));
    EXPECT_EQ(joined(companions->tolerance().Text2), joined(w().Text15));
}

}  // namespace
}  // namespace tintara::testkit

// A started main window with its chart windows, and what a person does to a
// chart: look at a point of it, click it, move the pointer over it.
#pragma once

#include "charts/CChecker.h"
#include "charts/CTol.h"
#include "charts/book.h"
#include "charts/book2.h"
#include "workspace/main_window_fixture.h"
#include "workspace/typed_entry.h"

namespace tintara::testkit {

class ChartTest : public MainWindowTest {
protected:
    void SetUp() override { start(); }
    void enterMunsell(const std::string& hue, const std::string& value, const std::string& chroma) {
        workspace::typeEntry(w(), workspace::EntryForm::Munsell, {hue, value, chroma});
    }
    // The colour at (x, y) twips of a chart's drawing area.
    static ui::Rgb at(const charts::ChartWindow& chart, double x, double y) {
        ui::Rgb c{1, 2, 3};
        EXPECT_TRUE(chart.Drawing.colorAt(float(x), float(y), c)) << x << ", " << y;
        return c;
    }
    static ui::Rgb atPixel(const charts::ChartWindow& chart, int x, int y) {
        ui::Rgb c{1, 2, 3};
        EXPECT_TRUE(chart.Drawing.surface().pixel(x, y, c)) << x << ", " << y;
        return c;
    }
    static void click(charts::ChartWindow& chart, double x, double y) {
        chart.Drawing.mouseDown(ui::MouseButton::Left, 0, float(x), float(y));
    }
    // Every field of the main window, to see that nothing changed.
    std::vector<std::pair<std::string, std::string>> fields() { return workspace::shownFields(w()); }
};

inline std::ostream& operator<<(std::ostream& out, ui::Rgb c) {
    return out << '(' << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ')';
}

}  // namespace tintara::testkit

namespace tintara::ui {
using testkit::operator<<;
}

// The chart windows on real widgets: each opens from its box in the main
// window and its picture shows the chips its drawing area holds, as does the
// PNG "tintara-cli chart" writes of it; a click and a hover reach the chart.
#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include "charts/CChecker.h"
#include "charts/CTol.h"
#include "charts/book.h"
#include "charts/book2.h"
#include "qt/desktop_fixture.h"
#include "qt/screenshot.h"
#include "workspace/typed_entry.h"

namespace tintara::ui::qt {
namespace {

class ChartsOnScreen : public Desktop {
protected:
    void SetUp() override {
        Desktop::SetUp();
        workspace::typeEntry(form, workspace::EntryForm::Munsell, {"5R", "5", "4"});
    }
    static QPoint pixel(double xTwips, double yTwips) { return QPoint(int(xTwips / 15), int(yTwips / 15)); }
};

// Each chart opens from its box and shows its chips as the command line writes
// them; a click on the Hue page and a hover over the Value page reach the chart.
TEST_F(ChartsOnScreen, EachChartShowsItsChipsAsTheCommandLineWritesThemAndTheHuePageTakesAClick) {
    double valueX = 0, valueY = 0;
    charts::book2::chipCentre(5, 4, valueX, valueY);
    const TwipRect hue = charts::book::chipRect(charts::book::chipIndex(4, 5)), lighter = charts::CTol::chipRect(1),
                   red = charts::CChecker::patchRect(14);
    const struct {
        const char* name;
        CheckBox* box;
        QSize size;
        double x, y;  // twips: a chip
    } charts[] = {{"hue", &form.Check2, {812, 530}, hue.left + 300.0, hue.top + 300.0},
                  {"value", &form.Check4, {593, 553}, valueX, valueY},
                  {"tolerance", &form.Check3, {475, 347}, lighter.left + 540.0, lighter.top + 540.0},
                  {"colorchecker", &form.Check5, {673, 489}, red.left + 700.0, red.top + 700.0}};
    for (const auto& k : charts) {
        SCOPED_TRACE(k.name);
        QtWindowView& shown = tick(*k.box);
        QStringList args{"chart", k.name, "munsell", "5R", "5", "4", "--png", QStringLiteral("%1.png").arg(k.name)};
        if (k.box == &form.Check3) {
            args << "--tolerance"
                 << "1.5";
            for (int i = 0; i < 3; ++i) companions.tolerance().HScroll1[i].setValue(15);
        }
        const QImage shot = screenshot(shown.widget(), (k.name + std::string("_chart")).c_str());
        EXPECT_EQ(shot.size(), k.size);
        Rgb held;
        ASSERT_TRUE(dynamic_cast<charts::ChartWindow&>(shown.window()).Drawing.colorAt(float(k.x), float(k.y), held));
        EXPECT_EQ(shot.pixelColor(pixel(k.x, k.y)), QColor(held.r, held.g, held.b));

        const auto [status, errors] = runCli(dir.path(), args);
        ASSERT_EQ(status, 0) << errors;
        const QImage picture(dir.filePath(QStringLiteral("%1.png").arg(k.name)));
        EXPECT_EQ(picture.size(), k.size);
        EXPECT_EQ(picture.pixelColor(pixel(k.x, k.y)), QColor(held.r, held.g, held.b));
    }

    // A click on the Hue page's chip sends its colour to the main window.
    QTest::mouseClick(views[0]->widgetFor(companions.hue().Drawing), Qt::LeftButton, {},
                      pixel(hue.left + 300, hue.top + 300));
    EXPECT_EQ(form.Text1[0].text() + "," + form.Text1[1].text() + "," + form.Text1[2].text(), "154,111,108");
    companions.valuePage().plotvalue(5);  // the click left the main window near value 5
    // The pointer moves over the chart with no button held, as the platform reports it.
    QWidget* area = views[1]->widgetFor(companions.valuePage().Drawing);
    const QPoint at = pixel(valueX, valueY);
    QMouseEvent moved(QEvent::MouseMove, at, area->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(area, &moved);
    EXPECT_EQ(companions.valuePage().Label3.caption(), "R= 154  G= 111  B= 108");
}

}  // namespace
}  // namespace tintara::ui::qt

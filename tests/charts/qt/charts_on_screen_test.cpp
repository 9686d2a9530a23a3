// The chart windows on real widgets: each opens from its box in the main
// window and its picture shows the chips its drawing area holds, as does the
// PNG "tintara-cli chart" writes of it; a click and a hover reach the chart.
#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "charts/CChecker.h"
#include "charts/CTol.h"
#include "charts/book.h"
#include "charts/book2.h"
#include "qt/screenshot.h"
#include "ui/headless/headless_platform.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_window_view.h"
#include "windows/window_set.h"
#include "workspace/typed_entry.h"

namespace tintara::ui::qt {
namespace {

using workspace::Companion;

class ChartsOnScreen : public ::testing::Test {
protected:
    void SetUp() override {
        companions.onCreated = [this](Window& window) {
            views.push_back(std::make_unique<QtWindowView>(window));
            platform.attach(*views.back());
        };
        form.setCompanions(&companions);
        std::string error;
        ASSERT_TRUE(form.Form_Load(error)) << error;
        platform.attach(view);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view.widget()));
        workspace::typeEntry(form, workspace::EntryForm::Munsell, {"5R", "5", "4"});
    }
    // Ticks the chart's box with the mouse and waits for the chart's window.
    QtWindowView& open(const CheckBox& box, Companion which) {
        QTest::mouseClick(view.widgetFor(box), Qt::LeftButton, {}, QPoint(8, 8));
        EXPECT_EQ(&views.back()->window(), companions.existing(which));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&views.back()->widget()));
        return *views.back();
    }
    static QPoint pixel(double xTwips, double yTwips) { return QPoint(int(xTwips / 15), int(yTwips / 15)); }

    QTemporaryDir dir;
    AbsentSerialPort serial;
    QtPlatform platform{serial};
    workspace::FileLocations files{dir.path().toStdString(), {std::filesystem::path(TINTARA_SOURCE_DIR) / "data"}};
    workspace::Form1 form{platform.platform(), files};
    QtWindowView view{form};
    windows::WindowSet companions{form, platform.platform(), files};
    std::vector<std::unique_ptr<QtWindowView>> views;  // go before the windows they show
};

TEST_F(ChartsOnScreen, EachChartOpensFromItsBoxAndShowsItsChipsAsTheCommandLineWritesThem) {
    double valueX = 0, valueY = 0;
    charts::book2::chipCentre(5, 4, valueX, valueY);
    const TwipRect hue = charts::book::chipRect(charts::book::chipIndex(4, 5)), lighter = charts::CTol::chipRect(1),
                   red = charts::CChecker::patchRect(14);
    const struct {
        const char* name;
        CheckBox* box;
        Companion which;
        QSize size;
        double x, y;  // twips: a chip
    } charts[] = {
        {"hue", &form.Check2, Companion::HuePage, {812, 530}, hue.left + 300.0, hue.top + 300.0},
        {"value", &form.Check4, Companion::ValuePage, {593, 553}, valueX, valueY},
        {"tolerance", &form.Check3, Companion::Tolerance, {475, 347}, lighter.left + 540.0, lighter.top + 540.0},
        {"colorchecker", &form.Check5, Companion::ColorChecker, {673, 489}, red.left + 700.0, red.top + 700.0}};
    for (const auto& k : charts) {
        SCOPED_TRACE(k.name);
        QtWindowView& shown = open(*k.box, k.which);
        QStringList args{"chart", k.name, "munsell", "5R", "5", "4", "--png", QStringLiteral("%1.png").arg(k.name)};
        if (k.which == Companion::Tolerance) {
            args << "--tolerance"
                 << "1.5";
            for (int i = 0; i < 3; ++i) companions.tolerance().HScroll1[i].setValue(15);
        }
        const QImage shot = screenshot(shown.widget(), (k.name + std::string("_chart")).c_str());
        EXPECT_EQ(shot.size(), k.size);
        Rgb held;
        ASSERT_TRUE(dynamic_cast<charts::ChartWindow&>(shown.window()).Drawing.colorAt(float(k.x), float(k.y), held));
        EXPECT_NE(held, lightGrey);
        EXPECT_EQ(shot.pixelColor(pixel(k.x, k.y)), QColor(held.r, held.g, held.b));

        QProcess cli;
        cli.setWorkingDirectory(dir.path());
        cli.start(QStringLiteral(TINTARA_CLI), args);
        ASSERT_TRUE(cli.waitForFinished(60000));
        ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
        const QImage picture(dir.filePath(QStringLiteral("%1.png").arg(k.name)));
        EXPECT_EQ(picture.size(), k.size);
        EXPECT_EQ(picture.pixelColor(pixel(k.x, k.y)), QColor(held.r, held.g, held.b));
    }
}

TEST_F(ChartsOnScreen, AClickOnTheHuePageAndAHoverOverTheValuePage) {
    QtWindowView& hue = open(form.Check2, Companion::HuePage);
    const TwipRect chip = charts::book::chipRect(charts::book::chipIndex(4, 5));
    QTest::mouseClick(hue.widgetFor(companions.hue().Drawing), Qt::LeftButton, {},
                      pixel(chip.left + 300, chip.top + 300));
    EXPECT_EQ(form.Text1[0].text() + "," + form.Text1[1].text() + "," + form.Text1[2].text(), "154,111,108");

    QtWindowView& value = open(form.Check4, Companion::ValuePage);
    companions.valuePage().plotvalue(5);  // the click left the main window near value 5
    double x = 0, y = 0;
    charts::book2::chipCentre(5, 4, x, y);
    // The pointer moves over the chart with no button held, as the platform reports it.
    QWidget* area = value.widgetFor(companions.valuePage().Drawing);
    QMouseEvent moved(QEvent::MouseMove, pixel(x, y), area->mapToGlobal(pixel(x, y)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(area, &moved);
    EXPECT_EQ(companions.valuePage().Label3.caption(), "R= 154  G= 111  B= 108");
}

}  // namespace
}  // namespace tintara::ui::qt

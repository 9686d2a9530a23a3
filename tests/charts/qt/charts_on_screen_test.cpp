// The chart windows on real widgets: each opens from its box in the main
// window, its picture shows the chips the model painted, a click and a hover
// reach the chart, and PRINT without a printer makes a PDF.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QPrinterInfo>
#include <QPushButton>
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

int chipOf(float C, float V) { return charts::book::chipIndex(C, V); }

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
    }
    // Ticks the chart's box with the mouse and waits for the chart's window.
    QtWindowView& open(const CheckBox& box, Companion which) {
        QTest::mouseClick(view.widgetFor(box), Qt::LeftButton, {}, QPoint(8, 8));
        Window* chart = companions.existing(which);
        EXPECT_NE(chart, nullptr);
        QtWindowView* shown = views.back().get();
        EXPECT_EQ(&shown->window(), chart);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&shown->widget()));
        return *shown;
    }
    // The colour on screen at (x, y) twips of the window.
    static QColor onScreen(const QImage& shot, int x, int y) { return shot.pixelColor(x / 15, y / 15); }
    static QColor colour(Rgb c) { return QColor(c.r, c.g, c.b); }

    QTemporaryDir dir;
    AbsentSerialPort serial;
    QtPlatform platform{serial};
    workspace::FileLocations files{dir.path().toStdString(), {std::filesystem::path(TINTARA_SOURCE_DIR) / "data"}};
    workspace::Form1 form{platform.platform(), files};
    QtWindowView view{form};
    windows::WindowSet companions{form, platform.platform(), files};
    std::vector<std::unique_ptr<QtWindowView>> views;  // go before the windows they show
};

TEST_F(ChartsOnScreen, TheHuePageShowsItsChipsAndTakesAClick) {
    workspace::typeEntry(form, workspace::EntryForm::Munsell, {"5R", "5", "4"});
    QtWindowView& shown = open(form.Check2, Companion::HuePage);
    const charts::book& page = companions.hue();
    const QImage shot = screenshot(shown.widget(), "hue_page");
    EXPECT_EQ(shot.size(), QSize(812, 530));
    for (int i : {chipOf(4, 5), chipOf(0, 5), chipOf(20, 5), chipOf(28, 9)}) {
        const TwipRect r = charts::book::chipRect(i);
        EXPECT_EQ(onScreen(shot, r.left + 300, r.top + 300), colour(page.Shape1[std::size_t(i)].fill)) << i;
    }
    const TwipRect r = charts::book::chipRect(chipOf(4, 5));
    QTest::mouseClick(shown.widgetFor(page.Drawing), Qt::LeftButton, {},
                      QPoint((r.left + 300) / 15, (r.top + 300) / 15));
    EXPECT_EQ(form.Text1[0].text() + "," + form.Text1[1].text() + "," + form.Text1[2].text(), "154,111,108");
}

TEST_F(ChartsOnScreen, TheValuePageShowsItsRingAndReadsOutUnderThePointer) {
    workspace::typeEntry(form, workspace::EntryForm::Munsell, {"5R", "5", "4"});
    QtWindowView& shown = open(form.Check4, Companion::ValuePage);
    const QImage shot = screenshot(shown.widget(), "value_page");
    EXPECT_EQ(shot.size(), QSize(593, 553));
    EXPECT_EQ(onScreen(shot, 4448 + 1000, 4148), QColor(122, 122, 121));  // the neutral of hue 0
    double x = 0, y = 0;
    charts::book2::chipCentre(5, 4, x, y);
    // The pointer moved over the chart with no button held, as the platform reports it.
    QWidget* area = shown.widgetFor(companions.valuePage().Drawing);
    const QPointF at(x / 15, y / 15);
    QMouseEvent moved(QEvent::MouseMove, at, area->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(area, &moved);
    EXPECT_EQ(companions.valuePage().Label3.caption(), "R= 154  G= 111  B= 108");
}

TEST_F(ChartsOnScreen, TheToleranceChartShowsItsSevenChips) {
    QtWindowView& shown = open(form.Check3, Companion::Tolerance);
    const charts::CTol& chart = companions.tolerance();
    const QImage shot = screenshot(shown.widget(), "tolerance_chart");
    EXPECT_EQ(shot.size(), QSize(475, 347));
    for (int i = 0; i < charts::CTol::chipCount; ++i) {
        const TwipRect r = charts::CTol::chipRect(i);
        EXPECT_EQ(onScreen(shot, r.left + 540, r.top + 540), colour(chart.Shape1[std::size_t(i)].fill)) << i;
    }
}

TEST_F(ChartsOnScreen, TheColorCheckerShowsItsPatchesAndPrintsToAPdf) {
    QtWindowView& shown = open(form.Check5, Companion::ColorChecker);
    const charts::CChecker& chart = companions.colorChecker();
    const QImage shot = screenshot(shown.widget(), "colorchecker_chart");
    for (int i = 0; i < charts::patchCount; ++i) {
        const TwipRect r = charts::CChecker::patchRect(i);
        EXPECT_EQ(onScreen(shot, r.left + 700, r.top + 700), colour(chart.Shape1[std::size_t(i)].fill)) << i;
    }
    if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
    const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
    platform.printer.choosePdfFile = [&](const Window&) { return pdf.toStdString(); };
    QTest::mouseClick(shown.widgetFor(chart.Command1), Qt::LeftButton);
    EXPECT_EQ(form.Text3.text(), "No printer: The Macbeth ColorChecker\u00ae was saved as " + pdf.toStdString());
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));
}

}  // namespace
}  // namespace tintara::ui::qt

// The palette viewer on real widgets, opened as the desktop program opens it:
// ticking "3D Display of HVC" in the main window makes the viewer, builds its
// view, loads the palette and starts rotating. The dots are found in a
// screenshot where the tables put them, a click on one names it, and the
// redraw follows the rotation on Qt's own timers.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <fstream>
#include <memory>
#include <vector>

#include "datafiles/palette_record.h"
#include "qt/screenshot.h"
#include "ui/headless/headless_platform.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_window_view.h"
#include "viewer3d/form3.h"
#include "windows/window_set.h"
#include "workspace/form1.h"

namespace tintara::ui::qt {
namespace {

// Forty samples round the hue circle at three values, chroma 4 to 12.
std::string generatedPalette() {
    static const char* const families[] = {"R", "YR", "Y", "GY", "G", "BG", "B", "PB", "P", "RP"};
    std::string text;
    for (int i = 0; i < 40; ++i) {
        datafiles::PaletteSample s;
        s.date = "12-06-2026";
        s.time = "09:30:00";
        s.tag = "Sample " + std::to_string(i + 1);
        s.munsell = {std::to_string(2.5 + 5 * (i % 2)).substr(0, 3) + families[(i / 2) % 10],
                     std::to_string(3 + 2 * (i % 3)), std::to_string(4 + 2 * (i % 5))};
        text += datafiles::paletteRecord(s);
    }
    return text;
}

class QtViewer : public ::testing::Test {
protected:
    void SetUp() override {
        std::ofstream(dir.filePath("newpalette2.csv").toStdString(), std::ios::binary) << generatedPalette();
        std::string error;
        ASSERT_TRUE(form.Form_Load(error)) << error;
        platform.attach(view);
        companions.onCreated = [this](Window& window) {
            views.push_back(std::make_unique<QtWindowView>(window));
            platform.attach(*views.back());
        };
        form.setCompanions(&companions);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view.widget()));
        QTest::mouseClick(view.widgetFor(form.Check7), Qt::LeftButton, {}, QPoint(6, 8));
        ASSERT_TRUE(companions.visible(workspace::Companion::PaletteViewer));
        viewer = &companions.paletteViewer();
        ASSERT_EQ(views.size(), 1u);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewerView().widget()));
    }
    void TearDown() override { form.setCompanions(nullptr); }
    QtWindowView& viewerView() { return *views.front(); }
    QImage display() { return viewerView().widgetFor(viewer->Picture1)->grab().toImage(); }

    QTemporaryDir dir;
    AbsentSerialPort serial;
    QtPlatform platform{serial};
    workspace::FileLocations files{dir.path().toStdString(), {std::filesystem::path(TINTARA_SOURCE_DIR) / "data"}};
    workspace::Form1 form{platform.platform(), files};
    QtWindowView view{form};
    windows::WindowSet companions{form, platform.platform(), files};
    std::vector<std::unique_ptr<QtWindowView>> views;  // go before the set's windows
    viewer3d::Form3* viewer = nullptr;
};

TEST_F(QtViewer, TheSwitchOpensTheViewerAndTheScreenshotShowsEveryDot) {
    EXPECT_TRUE(qobject_cast<QCheckBox*>(view.widgetFor(form.Check7))->isChecked());
    EXPECT_TRUE(view.widget().isVisible());  // shown again after the load
    const auto& pal = viewer->tables();
    ASSERT_EQ(pal.palCount, 40);
    auto* list = qobject_cast<QListWidget*>(viewerView().widgetFor(viewer->List1));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 40);
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(qobject_cast<QLineEdit*>(viewerView().widgetFor(viewer->Text1))->text(),
              QStringLiteral("Loaded Palette newpalette2.csv"));

    // Stopped, from the side: every dot's centre shows its colour, unless a
    // later dot (2 V + 2 pixels across) lies over it.
    viewer->Command2.click();
    viewer->HScroll1.setValue(0);
    viewer->VScroll1.setValue(0);
    const QImage shot = display();
    screenshot(viewerView().widget(), "palette_viewer");
    ASSERT_EQ(shot.size(), QSize(401, 393));
    const UserCoordinates u = viewer->Picture1.scale();
    auto centre = [&](int i) { return QPointF(u.toPixelX(pal.palXY[i][0]), u.toPixelY(pal.palXY[i][1])); };
    int looked = 0;
    for (int i = 1; i <= pal.palCount; ++i) {
        bool covered = false;
        for (int j = i + 1; j <= pal.palCount; ++j) {
            const QPointF d = centre(j) - centre(i);
            covered = covered || std::hypot(d.x(), d.y()) < pal.palHVC[j][1] + 2;
        }
        if (covered) continue;
        ++looked;
        const Rgb c = pal.palRGB[i];
        const QPoint pixel(int(std::floor(centre(i).x())), int(std::floor(centre(i).y())));
        EXPECT_EQ(QColor(shot.pixel(pixel)), QColor(c.r, c.g, c.b)) << i;
    }
    EXPECT_GE(looked, 20);
    EXPECT_EQ(QColor(shot.pixel(3, 3)), QColor(224, 224, 224));

    // A left click on a dot names it in the first comparison row.
    const int px = int(u.toPixelX(pal.palXY[40][0])), py = int(u.toPixelY(pal.palXY[40][1]));
    QTest::mouseClick(viewerView().widgetFor(viewer->Picture1), Qt::LeftButton, {}, QPoint(px, py));
    EXPECT_EQ(qobject_cast<QLineEdit*>(viewerView().widgetFor(viewer->Text3[0]))->text(), QStringLiteral("Sample 40"));
    EXPECT_EQ(list->currentRow(), 39);

    // The view a person meets, with both rows filled and the sample numbers.
    viewer->VScroll1.setValue(15);
    viewer->HScroll1.setValue(-30);
    viewer->Picture1.mouseDown(MouseButton::Right, 0, pal.palXY[7][0], pal.palXY[7][1]);
    viewer->Check1.setValue(1);
    viewer->drawPalette();
    screenshot(viewerView().widget(), "palette_viewer_compare");
}

TEST_F(QtViewer, TheDisplayTurnsOnQtsTimersAndExitHidesIt) {
    viewer->HScroll3.setValue(1);
    const int start = viewer->HScroll1.value();
    const QImage before = display();
    QTest::qWait(150);
    EXPECT_NE(viewer->HScroll1.value(), start);
    EXPECT_TRUE(QTest::qWaitFor([&] { return display() != before; }, 2000));

    viewerView().actionFor(viewer->mnuExit)->trigger();
    EXPECT_FALSE(viewerView().widget().isVisible());
    EXPECT_FALSE(qobject_cast<QCheckBox*>(view.widgetFor(form.Check7))->isChecked());
}

}  // namespace
}  // namespace tintara::ui::qt

// The palette viewer on real widgets, opened as the desktop program opens it:
// ticking "3D Display of HVC" in the main window makes the viewer, builds its
// view, loads the palette and starts rotating. The widget shows the display's
// surface pixel for pixel, a click on a dot names it, and the redraw follows
// the rotation on Qt's own timers. "tintara-cli view" writes that same
// picture to a PNG.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

#include "qt/screenshot.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_window_view.h"
#include "viewer3d/viewer_fixture.h"

namespace tintara::ui::qt {
namespace {

// Pixels where a picture on screen or in a file is not the surface drawn.
int differingPixels(const QImage& shown, const Surface& drawn) {
    EXPECT_EQ(shown.size(), QSize(drawn.width(), drawn.height()));
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            Rgb c;
            drawn.pixel(x, y, c);
            differing += QColor(shown.pixel(x, y)) != QColor(c.r, c.g, c.b);
        }
    return differing;
}

class QtViewer : public ::testing::Test {
protected:
    void SetUp() override {
        std::ofstream(dir.filePath("newpalette2.csv").toStdString(), std::ios::binary) << testkit::generatedPalette(40);
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

TEST_F(QtViewer, TheSwitchOpensTheViewerWhichShowsItsDisplayAndNamesAClickedDot) {
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

    // Stopped, from the side: the widget shows the display as drawn.
    viewer->Command2.click();
    viewer->HScroll1.setValue(0);
    viewer->VScroll1.setValue(0);
    EXPECT_EQ(differingPixels(display(), viewer->Picture1.surface()), 0);

    // A left click on a dot names it in the first comparison row.
    const UserCoordinates u = viewer->Picture1.scale();
    const int px = int(u.toPixelX(pal.palXY[40][0])), py = int(u.toPixelY(pal.palXY[40][1]));
    QTest::mouseClick(viewerView().widgetFor(viewer->Picture1), Qt::LeftButton, {}, QPoint(px, py));
    EXPECT_EQ(qobject_cast<QLineEdit*>(viewerView().widgetFor(viewer->Text3[0]))->text(), QStringLiteral("s40"));
    EXPECT_EQ(list->currentRow(), 39);
    screenshot(viewerView().widget(), "palette_viewer");
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

class ViewCommand : public testkit::ViewerTest {};

TEST_F(ViewCommand, ThePngIsThePictureTheHeadlessDisplayDraws) {
    load("shown.csv", {{"a", "5R", "5", "12"},
                       {"b", "5Y", "8", "8"},
                       {"d", "5PB", "3", "8"},
                       {"e", "10RP", "4", "10"},
                       {"f", "N", "9", "0"},
                       {"h", "7.5YR", "6", "10"}});
    ASSERT_EQ(pal().palCount, 6);
    QProcess cli;
    cli.setWorkingDirectory(QString::fromStdString(folder.path().string()));
    cli.start(QStringLiteral(TINTARA_CLI),
              {"view", "shown.csv", "--turn", "40", "--tilt", "30", "--zoom", "15", "--png", "shown.png"});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    QImage png;
    ASSERT_TRUE(png.load(QString::fromStdString((folder.path() / "shown.png").string())));

    viewer().HScroll1.setValue(40);
    viewer().VScroll1.setValue(60);
    viewer().VScroll2.setValue(15);
    viewer().drawPalette();
    EXPECT_EQ(differingPixels(png, viewer().Picture1.surface()), 0);
}

}  // namespace
}  // namespace tintara::ui::qt

// The palette viewer on real widgets, opened as the desktop program opens it:
// ticking "3D Display of HVC" makes the viewer, loads the palette and starts
// rotating on Qt's own timers. The widget shows the display's surface pixel
// for pixel and a click on a dot names it. "tintara-cli view" writes that
// same picture to a PNG.
#include <QCheckBox>
#include <QImage>
#include <QListWidget>
#include <QProcess>
#include <fstream>

#include "qt/desktop_fixture.h"
#include "qt/screenshot.h"
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

class QtViewer : public Desktop {
protected:
    void SetUp() override {
        std::ofstream(dir.filePath("newpalette2.csv").toStdString(), std::ios::binary) << testkit::generatedPalette(40);
        Desktop::SetUp();
        shown = &tick(form.Check7);
        viewer = &companions.paletteViewer();
    }
    QImage display() { return shown->widgetFor(viewer->Picture1)->grab().toImage(); }

    QtWindowView* shown = nullptr;
    viewer3d::Form3* viewer = nullptr;
};

TEST_F(QtViewer, TheSwitchOpensTheViewerWhichShowsItsDisplayAndNamesAClickedDot) {
    const auto& pal = viewer->tables();
    ASSERT_EQ(pal.palCount, 40);
    auto* list = qobject_cast<QListWidget*>(shown->widgetFor(viewer->List1));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 40);
    EXPECT_EQ(Desktop::shown(*shown, viewer->Text1), QStringLiteral("Loaded Palette newpalette2.csv"));

    // Stopped, from the side: the widget shows the display as drawn.
    viewer->Command2.click();
    viewer->HScroll1.setValue(0);
    viewer->VScroll1.setValue(0);
    EXPECT_EQ(differingPixels(display(), viewer->Picture1.surface()), 0);

    // A left click on a dot names it in the first comparison row.
    const UserCoordinates u = viewer->Picture1.scale();
    const int px = int(u.toPixelX(pal.palXY[40][0])), py = int(u.toPixelY(pal.palXY[40][1]));
    QTest::mouseClick(shown->widgetFor(viewer->Picture1), Qt::LeftButton, {}, QPoint(px, py));
    EXPECT_EQ(Desktop::shown(*shown, viewer->Text3[0]), QStringLiteral("s40"));
    EXPECT_EQ(list->currentRow(), 39);
    screenshot(shown->widget(), "palette_viewer");
}

// The rotation steps and the redraw follow it on Qt's timers: once stopped,
// the widget shows the picture of the bars as they stand.
TEST_F(QtViewer, TheDisplayTurnsOnQtsTimersAndExitHidesIt) {
    viewer->HScroll3.setValue(40);  // a step every 40 ms
    const int start = viewer->HScroll1.value();
    EXPECT_TRUE(QTest::qWaitFor([&] { return viewer->HScroll1.value() == (start + 183) % 361 - 180; }, 5000));
    viewer->Command2.click();
    QTest::qWait(50);
    const Image drawn = viewer->Picture1.surface().image();
    EXPECT_EQ(differingPixels(display(), viewer->Picture1.surface()), 0);
    viewer->drawPalette();
    EXPECT_EQ(viewer->Picture1.surface().image(), drawn);

    shown->actionFor(viewer->mnuExit)->trigger();
    EXPECT_FALSE(shown->widget().isVisible());
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

// The windows on real widgets, opened as the desktop program opens them: the
// main window typed into and clicked, its swatch painting the colours, and its
// service mode's Import letting Qt run and stopping at a click; the image
// window marking a clicked block until Qt's timer restores it; the palette
// viewer showing its display pixel for pixel, naming a clicked dot and turning
// on Qt's timers. "tintara-cli view" writes that same display to a PNG.
// PRINT without a printer on a disk that fills up keeps the earlier PDF.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinterInfo>
#include <QTimer>
#include <fstream>

#include "imaging/form2.h"
#include "qt/desktop_fixture.h"
#include "qt/screenshot.h"
#include "viewer3d/viewer_fixture.h"
#include "workspace/full_disk.h"

namespace tintara::ui::qt {
namespace {

class QtMainWindow : public Desktop {
protected:
    // The colour of the swatch xTwips from its left edge, on the screenshot.
    static QColor swatch(const QImage& shot, int xTwips) { return shot.pixel((720 + xTwips) / 15, 2280 / 15 + 40); }
};

// A click into an entry box selects its whole text, as Tab does: typing 4 into
// the value box and pressing Enter converts value 4, not 6.14. The swatch
// shows the colour, and the trial beside the standard.
TEST_F(QtMainWindow, AClickSelectsTheBoxTheTypedEntryConvertsAndTheSwatchShowsIt) {
    QApplication::setActiveWindow(&view.widget());
    edit(form.Text12[0])->setFocus(Qt::TabFocusReason);
    QLineEdit* value = edit(form.Text12[1]);
    const QPoint end(value->width() - 4, value->height() / 2);
    QTest::mouseClick(value, Qt::LeftButton, {}, end);
    ASSERT_TRUE(value->hasFocus());
    EXPECT_EQ(value->selectedText(), QStringLiteral("6.1"));
    EXPECT_EQ(form.Text12[1].selLength(), 3);
    QTest::keyClick(value, Qt::Key_4);
    QTest::keyClick(value, Qt::Key_Return);
    EXPECT_EQ(edit(form.Text11[1])->text(), QStringLiteral("12.00"));  // Y of value 4
    // A second click, into a box that has the focus already, places the caret.
    QTest::mouseClick(value, Qt::LeftButton, {}, end);
    EXPECT_EQ(value->selectedText(), QString());

    const QColor standard(form.rgbR, form.rgbG, form.rgbB);
    EXPECT_EQ(swatch(view.widget().grab().toImage(), 300), standard);
    form.Command4.click();  // STD: the panel and the trial side of the swatch
    edit(form.Text1[1])->selectAll();
    QTest::keyClicks(edit(form.Text1[1]), QStringLiteral("200\r"));
    const QImage shot = screenshot(view.widget(), "main_window");
    EXPECT_EQ(swatch(shot, 300), standard);
    EXPECT_EQ(swatch(shot, 1200), QColor(form.rgbR, 200, form.rgbB));
}

class QtWriteFailure : public Desktop {};

// The earlier PDF of that name stays whole, no temporary file is left, and the
// message line says the window was not saved.
TEST_F(QtWriteFailure, APdfThatDoesNotFitIsNotReportedAsSavedAndTheEarlierOneStays) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
    const QString pdf = dir.filePath(QStringLiteral("Tintara.pdf"));
    QFile earlier(pdf);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly) && earlier.write("%PDF the earlier print") > 0);
    earlier.close();
    qt.printer.choosePdfFile = [&](const Window&) { return pdf.toStdString(); };
    // The window's image takes tens of kilobytes; the disk has room for four.
    testkit::FullDisk disk(4096);
    qt.printer.writeSeam = &disk;
    QTest::mouseClick(view.widgetFor(form.printB), Qt::LeftButton);
    EXPECT_EQ(form.Text3.text(), "No printer, and the window could not be saved: Could not write " + pdf.toStdString() +
                                     ": No space left on device");
    screenshot(view.widget(), "main_window_pdf_not_saved");
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), QByteArray("%PDF the earlier print"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Tintara.pdf")});

    // With room on the disk the same click writes the whole PDF over it.
    qt.printer.writeSeam = nullptr;
    QTest::mouseClick(view.widgetFor(form.printB), Qt::LeftButton);
    EXPECT_EQ(form.Text3.text(), "No printer: the window was saved as " + pdf.toStdString());
    earlier.close();
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    const QByteArray whole = earlier.readAll();
    EXPECT_TRUE(whole.startsWith("%PDF-") && whole.trimmed().endsWith("%%EOF")) << whole.size();
}

class QtImport : public Desktop {};

TEST_F(QtImport, ProgressOnTheMessageLineAndAClickOnStopEndsTheRun) {
    std::string big = "H,V,C\r\n";
    for (int i = 0; i < 400; ++i) big += "5R,4,14\r\n";
    std::ofstream(dir.filePath("big.csv").toStdString(), std::ios::binary) << big;
    view.widgetFor(form.Text3)->setFocus();
    QTest::keyClicks(view.widgetFor(form.Text3), QStringLiteral("kqv"));  // the service mode
    dialogs.answerInput("0");
    dialogs.answerFile("big.csv");

    // Looks in at every pass of the event loop the run lets go.
    QString progress;
    int captionContrast = 0;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        const QString line = edit(form.Text3)->text();
        if (!progress.isEmpty() || !line.contains(QStringLiteral("line 201"))) return;
        progress = line;
        // A locked switch keeps a caption that can be read on the grey window.
        const QPalette colours = view.widgetFor(form.Check2)->palette();
        captionContrast = std::abs(colours.color(QPalette::Disabled, QPalette::WindowText).lightness() -
                                   colours.color(QPalette::Window).lightness());
        screenshot(view.widget(), "main_window_importing");
        QTest::mouseClick(view.widgetFor(form.stopImport), Qt::LeftButton);
    });
    watcher.start(0);
    QTest::mouseClick(view.widgetFor(form.import), Qt::LeftButton);

    EXPECT_EQ(progress, QStringLiteral("Importing big.csv: line 201 of 401"));
    EXPECT_GE(captionContrast, 60);
    EXPECT_EQ(form.Text3.text(), "Import stopped at line 202 of big.csv; no tempOUT.txt was written.");
}

class QtImageWindow : public Desktop {};

TEST_F(QtImageWindow, TheShippedPictureOpensAndAClickOnAChipMarksItsBlockForAWhile) {
    QtWindowView& shown = tick(form.Check6);
    imaging::Form2& image = companions.imageAnalysis();
    const auto picture = [&] { return shown.widgetFor(image.Picture1)->grab().toImage(); };
    const QImage before = picture();
    ASSERT_EQ(before.size(), QSize(640, 480));

    // The 5R 5/6 chip covers 20..69 x 30..79: the block is shown inverted.
    const QColor chip = before.pixelColor(45, 55);
    QTest::mouseClick(shown.widgetFor(image.Picture1), Qt::LeftButton, {}, QPoint(45, 55));
    EXPECT_EQ(edit(image.Text6, &shown)->text(), QStringLiteral("Position  X = 45  Y = 55"));
    EXPECT_EQ(picture().pixelColor(45, 55), QColor(255 - chip.red(), 255 - chip.green(), 255 - chip.blue()));
    screenshot(shown.widget(), "image_analysis_marked");

    QTest::qWait(imaging::blockMarkMs + 150);  // Qt's timer restores the block
    EXPECT_EQ(picture().pixelColor(45, 55), chip);
    EXPECT_FALSE(image.samplingBusy());
}

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

// The viewer turns on Qt's timers and the redraw follows: once stopped, the
// widget shows the picture of the bars as they stand, pixel for pixel. A left
// click on a dot names it in the first comparison row; Exit hides the viewer.
TEST_F(QtViewer, TheDisplayTurnsOnQtsTimersShowsItsPictureAndNamesAClickedDot) {
    const auto& pal = viewer->tables();
    ASSERT_EQ(pal.palCount, 40);
    viewer->HScroll3.setValue(40);  // a step every 40 ms
    const int start = viewer->HScroll1.value();
    EXPECT_TRUE(QTest::qWaitFor([&] { return viewer->HScroll1.value() == (start + 183) % 361 - 180; }, 5000));
    viewer->Command2.click();
    QTest::qWait(100);  // the rotation stops with its timer, the last redraw comes
    EXPECT_EQ(viewer->HScroll1.value(), (start + 183) % 361 - 180);
    const Image drawn = viewer->Picture1.surface().image();
    EXPECT_EQ(differingPixels(display(), viewer->Picture1.surface()), 0);
    viewer->drawPalette();
    EXPECT_EQ(viewer->Picture1.surface().image(), drawn);

    const UserCoordinates u = viewer->Picture1.scale();
    const int px = int(u.toPixelX(pal.palXY[40][0])), py = int(u.toPixelY(pal.palXY[40][1]));
    QTest::mouseClick(shown->widgetFor(viewer->Picture1), Qt::LeftButton, {}, QPoint(px, py));
    EXPECT_EQ(edit(viewer->Text3[0], shown)->text(), QStringLiteral("s40"));
    screenshot(shown->widget(), "palette_viewer");

    shown->actionFor(viewer->mnuExit)->trigger();
    EXPECT_FALSE(shown->widget().isVisible());
    EXPECT_FALSE(qobject_cast<QCheckBox*>(view.widgetFor(form.Check7))->isChecked());
}

class ViewCommand : public testkit::ViewerTest {};

TEST_F(ViewCommand, ThePngIsThePictureTheHeadlessDisplayDraws) {
    folder.write("shown.csv", testkit::generatedPalette(6));
    w().paletteFile = "shown.csv";
    viewer().GetData(2);
    ASSERT_EQ(pal().palCount, 6);
    const auto [status, errors] =
        runCli(QString::fromStdString(folder.path().string()),
               {"view", "shown.csv", "--turn", "40", "--tilt", "30", "--zoom", "15", "--png", "shown.png"});
    ASSERT_EQ(status, 0) << errors;
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

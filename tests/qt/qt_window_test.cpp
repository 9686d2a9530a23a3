// The window as a whole: its size, what it shows, closing with the frame, and
// printing an image of it.
#include <QFile>
#include <QImage>
#include <QPrinterInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "qt/test_window.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_window_view.h"
#include "ui/headless/headless_platform.h"

namespace tintara::ui::qt {
namespace {

int colorCount(const QImage& image) {
    QSet<QRgb> colors;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) colors.insert(image.pixel(x, y));
    return int(colors.size());
}

QByteArray head(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(4) : QByteArray();
}

TEST(QtWindow, ShowsThePictureAndHandsOverThePointer) {
    TestWindow window;
    QtWindowView view(window);
    EXPECT_FALSE(view.widget().isVisible());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view.widget()));
    EXPECT_EQ(view.widget().size(), QSize(400, 240));  // 6000 x 3600 twips
    EXPECT_EQ(view.widget().windowTitle(), QStringLiteral("Binding test"));

    window.picture.surface().fillRect(60, 50, 20, 20, Rgb{255, 0, 0});
    window.picture.refresh();
    const QImage shot = view.widget().grab().toImage();
    shot.save(QStringLiteral("/tmp/tintara_qt_test_window.png"));
    // The picture box sits at (160, 28) px; its pixel (70, 60) is red, the grey
    // background around the red square is untouched.
    EXPECT_EQ(QColor(shot.pixel(160 + 70, 28 + 60)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(shot.pixel(160 + 20, 28 + 20)), QColor(192, 192, 192));
    EXPECT_GT(colorCount(shot), 4);

    QTest::mousePress(view.widgetFor(window.picture), Qt::LeftButton, {}, QPoint(10, 20));
    ASSERT_EQ(window.presses.size(), 1u);
    EXPECT_EQ(window.presses[0].button, MouseButton::Left);
    EXPECT_FLOAT_EQ(window.presses[0].x, 150.0f);
    EXPECT_FLOAT_EQ(window.presses[0].y, 300.0f);
}

TEST(QtWindow, CloseWithTheFrameAsksTheModel) {
    TestWindow window;
    QtWindowView view(window);
    int closes = 0;
    window.onClose = [&] { ++closes; };
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view.widget()));
    view.widget().close();
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(view.widget().isVisible());  // the model stayed visible
    window.onClose = [&] { window.hide(); };
    view.widget().close();
    EXPECT_FALSE(view.widget().isVisible());
    EXPECT_FALSE(window.visible());
}

TEST(QtWindow, PrintsToPdf) {
    TestWindow window;
    QtWindowView view(window);
    window.show();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    AbsentSerialPort serial;
    QtPlatform platform(serial);
    std::string error;
    EXPECT_FALSE(platform.printer.printToPdf(window, dir.filePath("x.pdf").toStdString(), error));
    EXPECT_NE(error.find("TestForm"), std::string::npos);

    platform.attach(view);
    const QString direct = dir.filePath(QStringLiteral("direct.pdf"));
    ASSERT_TRUE(platform.printer.printToPdf(window, direct.toStdString(), error)) << error;
    EXPECT_EQ(head(direct), QByteArray("%PDF"));
    EXPECT_FALSE(platform.printer.printToPdf(window, "/nonexistent-dir/x.pdf", error));
    EXPECT_NE(error.find("/nonexistent-dir/x.pdf"), std::string::npos);

    if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
    // Without a printer the window goes into the PDF file the person names;
    // cancelling the choice is no failure.
    const QString offered = dir.filePath(QStringLiteral("offered.pdf"));
    platform.printer.choosePdfFile = [&](const Window&) { return offered.toStdString(); };
    ASSERT_TRUE(platform.platform().printer.printWindow(window, error)) << error;
    EXPECT_EQ(head(offered), QByteArray("%PDF"));
    platform.printer.choosePdfFile = [](const Window&) { return std::optional<std::string>(); };
    EXPECT_TRUE(platform.printer.printWindow(window, error));
}

}  // namespace
}  // namespace tintara::ui::qt

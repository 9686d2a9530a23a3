// PRINT on a machine without a printer, when the disk fills up while the PDF is
// written: the earlier PDF of that name stays whole, no temporary file is left,
// and the main window's message line says the window was not saved.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>

#include "qt/screenshot.h"
#include "ui/headless/headless_platform.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_window_view.h"
#include "workspace/form1.h"
#include "workspace/full_disk.h"

namespace tintara::ui::qt {
namespace {

TEST(QtWriteFailure, APdfThatDoesNotFitIsNotReportedAsSavedAndTheEarlierOneStays) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
    QTemporaryDir dir;
    AbsentSerialPort serial;
    QtPlatform platform{serial};
    workspace::Form1 form{platform.platform(),
                          {dir.path().toStdString(), {std::filesystem::path(TINTARA_SOURCE_DIR) / "data"}}};
    QtWindowView view{form};
    std::string error;
    ASSERT_TRUE(form.Form_Load(error)) << error;
    platform.attach(view);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view.widget()));

    const QString pdf = dir.filePath(QStringLiteral("Tintara.pdf"));
    QFile earlier(pdf);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly) && earlier.write("%PDF the earlier print") > 0);
    earlier.close();
    platform.printer.choosePdfFile = [&](const Window&) { return pdf.toStdString(); };
    // The window's image takes tens of kilobytes; the disk has room for four.
    testkit::FullDisk disk(4096);
    platform.printer.writeSeam = &disk;
    QTest::mouseClick(view.widgetFor(form.printB), Qt::LeftButton);
    EXPECT_EQ(form.Text3.text(), "No printer, and the window could not be saved: Could not write " + pdf.toStdString() +
                                     ": No space left on device");
    screenshot(view.widget(), "main_window_pdf_not_saved");
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), QByteArray("%PDF the earlier print"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Tintara.pdf")});

    // With room on the disk the same click writes the whole PDF over it.
    platform.printer.writeSeam = nullptr;
    QTest::mouseClick(view.widgetFor(form.printB), Qt::LeftButton);
    EXPECT_EQ(form.Text3.text(), "No printer: the window was saved as " + pdf.toStdString());
    earlier.close();
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    const QByteArray whole = earlier.readAll();
    EXPECT_TRUE(whole.startsWith("%PDF-") && whole.trimmed().endsWith("%%EOF")) << whole.size();
}

}  // namespace
}  // namespace tintara::ui::qt

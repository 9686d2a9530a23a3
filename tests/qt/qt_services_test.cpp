// Platform services: file filters, text from the core, the clock, and a real
// message box answered by a click.
#include <gtest/gtest.h>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "ui/headless/headless_platform.h"
#include "ui/qt/qt_file_filter.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_text.h"

namespace tintara::ui::qt {
namespace {

TEST(QtServices, FileFiltersAndText) {
    EXPECT_EQ(qtFileFilter("Pictures (*.jpg)|*.jpg;*.bmp|All files|*.*"),
              QStringLiteral("Pictures (*.jpg *.bmp);;All files (*)"));
    EXPECT_EQ(qtFileFilter(""), QStringLiteral("All files (*)"));
    EXPECT_EQ(toQString("\xB0"), QString(QChar(0xB0)));      // a lone Latin-1 byte
    EXPECT_EQ(toQString("\xC2\xB0"), QString(QChar(0xB0)));  // the same sign in UTF-8
}

TEST(QtServices, MessageBoxAnswersWithTheButtonPressed) {
    AbsentSerialPort serial;
    QtPlatform platform(serial);
    QString shownText, shownTitle;
    QTimer clicker;
    QObject::connect(&clicker, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        shownText = box->text();
        shownTitle = box->windowTitle();
        box->button(QMessageBox::No)->click();
    });
    clicker.start(10);
    const Answer answer = platform.platform().dialogs.messageBox("Save?\rNow\r\nor later", MessageButtons::YesNoCancel,
                                                                 MessageIcon::Question, "");
    clicker.stop();
    EXPECT_EQ(answer, Answer::No);
    EXPECT_EQ(shownText, QStringLiteral("Save?\nNow\nor later"));
    EXPECT_EQ(shownTitle, QStringLiteral("Tintara"));

    const double now = platform.clock.secondsSinceMidnight();
    EXPECT_TRUE(now >= 0.0 && now < 86400.0);
}

}  // namespace
}  // namespace tintara::ui::qt

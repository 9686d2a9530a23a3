// Platform services and dialogs: file filters, text from the core, a real
// message box answered by a click, boxes opening centred on the window whose
// event asked for them, and windows coming to the front when asked.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "qt/test_window.h"
#include "ui/headless/headless_platform.h"
#include "ui/qt/qt_file_filter.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_window_view.h"

namespace tintara::ui::qt {
namespace {

TEST(QtServices, FileFiltersAndText) {
    EXPECT_EQ(qtFileFilter("Pictures (*.jpg)|*.jpg;*.bmp|All files|*.*"),
              QStringLiteral("Pictures (*.jpg *.bmp);;All files (*)"));
    EXPECT_EQ(qtFileFilter(""), QStringLiteral("All files (*)"));
    EXPECT_EQ(toQString("\xB0"), QString(QChar(0xB0)));      // a lone Latin-1 byte
    EXPECT_EQ(toQString("\xC2\xB0"), QString(QChar(0xB0)));  // the same sign in UTF-8
}

class QtDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        for (QtWindowView* view : {&firstView, &secondView}) {
            view->window().show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&view->widget()));
        }
        firstView.widget().move(10, 10);  // the offscreen screen is 800 x 600
        secondView.widget().move(380, 330);
        QApplication::setActiveWindow(&firstView.widget());
    }
    // Clicks the second window's button, whose handler opens a dialog; `seen`
    // looks at the dialog, which is then closed with `button` (or rejected).
    void dialogFromSecondWindow(std::function<void()> open, std::function<void(QDialog&)> seen,
                                QMessageBox::StandardButton button = QMessageBox::NoButton) {
        second.button.onClick = std::move(open);
        QTimer reader;
        QObject::connect(&reader, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible()) return;
            seen(*dialog);
            if (button == QMessageBox::NoButton) return dialog->reject();
            qobject_cast<QMessageBox*>(dialog)->button(button)->click();
        });
        reader.start(10);
        QTest::mouseClick(secondView.widgetFor(second.button), Qt::LeftButton);
    }

    AbsentSerialPort serial;
    QtPlatform platform{serial};
    TestWindow first, second;
    QtWindowView firstView{first}, secondView{second};
};

TEST_F(QtDialogs, AMessageBoxAnswersWithTheButtonPressedCentredOnTheWindowThatAsked) {
    Answer answer = Answer::Cancel;
    QString text, title;
    QRect box;
    dialogFromSecondWindow(
        [&] {
            answer = platform.platform().dialogs.messageBox("Save?\rNow\r\nor later", MessageButtons::YesNoCancel,
                                                            MessageIcon::Question, "");
        },
        [&](QDialog& d) {
            text = qobject_cast<QMessageBox*>(&d)->text();
            title = d.windowTitle();
            box = d.frameGeometry();
        },
        QMessageBox::No);
    EXPECT_EQ(answer, Answer::No);
    EXPECT_EQ(text, QStringLiteral("Save?\nNow\nor later"));
    EXPECT_EQ(title, QStringLiteral("Tintara"));
    EXPECT_LE((box.center() - secondView.widget().frameGeometry().center()).manhattanLength(), 2);
    const double now = platform.clock.secondsSinceMidnight();
    EXPECT_TRUE(now >= 0.0 && now < 86400.0);
}

TEST_F(QtDialogs, AnInputBoxOpensCentredOnTheWindowThatAsked) {
    QRect box;
    dialogFromSecondWindow(
        [this] {
            platform.platform().dialogs.inputBox("Enter file name for palette ", "Palette Generation", "flower");
        },
        [&](QDialog& d) { box = d.frameGeometry(); });
    ASSERT_TRUE(box.isValid());
    EXPECT_LE((box.center() - secondView.widget().frameGeometry().center()).manhattanLength(), 2);
}

// The image window and the palette viewer bring themselves to the front while
// they work; the window that was active before yields.
TEST_F(QtDialogs, AWindowBroughtToTheFrontBecomesTheActiveOne) {
    ASSERT_EQ(QApplication::activeWindow(), &firstView.widget());
    second.bringToFront();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &secondView.widget(); }, 2000));
    first.hide();
    first.bringToFront();  // shows a hidden window too
    EXPECT_TRUE(firstView.widget().isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &firstView.widget(); }, 2000));
}

}  // namespace
}  // namespace tintara::ui::qt

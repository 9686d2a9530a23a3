// Message and input boxes open centred on the window whose event asked for
// them, even when another window is the active one; windows come to the front
// when asked.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "qt/test_window.h"
#include "ui/headless/headless_platform.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_window_view.h"

namespace tintara::ui::qt {
namespace {

class QtDialogPlacement : public ::testing::Test {
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
    // Clicks the second window's button, whose handler opens a dialog; returns
    // where the dialog stood.
    QRect dialogFromSecondWindow(std::function<void()> open) {
        second.button.onClick = std::move(open);
        QRect seen;
        QTimer reader;
        QObject::connect(&reader, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible()) return;
            seen = dialog->frameGeometry();
            dialog->reject();
        });
        reader.start(10);
        QTest::mouseClick(secondView.widgetFor(second.button), Qt::LeftButton);
        return seen;
    }

    AbsentSerialPort serial;
    QtPlatform platform{serial};
    TestWindow first, second;
    QtWindowView firstView{first}, secondView{second};
};

TEST_F(QtDialogPlacement, AMessageBoxOpensCentredOnTheWindowThatAsked) {
    const QRect box = dialogFromSecondWindow(
        [this] { platform.platform().dialogs.messageBox("Palette already made - reload or load new picture"); });
    ASSERT_TRUE(box.isValid());
    const QPoint centre = secondView.widget().frameGeometry().center();
    EXPECT_LE((box.center() - centre).manhattanLength(), 2) << box.center().x() << "," << box.center().y();
}

TEST_F(QtDialogPlacement, AnInputBoxOpensCentredOnTheWindowThatAsked) {
    const QRect box = dialogFromSecondWindow([this] {
        platform.platform().dialogs.inputBox("Enter file name for palette ", "Palette Generation", "flower");
    });
    ASSERT_TRUE(box.isValid());
    const QPoint centre = secondView.widget().frameGeometry().center();
    EXPECT_LE((box.center() - centre).manhattanLength(), 2) << box.center().x() << "," << box.center().y();
}

// The image window and the palette viewer bring themselves to the front while
// they work; the window that was active before yields.
TEST_F(QtDialogPlacement, AWindowBroughtToTheFrontBecomesTheActiveOne) {
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

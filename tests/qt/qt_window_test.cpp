// A small window model on real widgets, driven as a person would: typing,
// pressing Enter, clicking, dragging a scroll bar, choosing from the menus and
// the list; the window logic writing to its controls; and the window as a
// whole: what it shows, closing with the frame, dialogs opening
// over it, and printing when no printer is installed.
#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "qt/screenshot.h"
#include "qt/test_window.h"
#include "ui/headless/headless_platform.h"
#include "ui/qt/qt_dialog_parent.h"
#include "ui/qt/qt_file_filter.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_window_view.h"

namespace tintara::ui::qt {
namespace {

class QtWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view.widget()));
    }
    template <typename W>
    W* widget(const Control& c) {
        return qobject_cast<W*>(view.widgetFor(c));
    }
    // Hands the next modal dialog, once it shows, to `close`, which closes it.
    void onDialog(std::function<void(QDialog&)> close) {
        reader.disconnect();
        QObject::connect(&reader, &QTimer::timeout, [close] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog && dialog->isVisible()) close(*dialog);
        });
        reader.start(10);
    }
    // Shows a second window beside the first, which stays the active one.
    void showSecond() {
        second.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&secondView.widget()));
        view.widget().move(10, 10);  // the offscreen screen is 800 x 600
        secondView.widget().move(380, 300);
        QApplication::setActiveWindow(&view.widget());
    }

    TestWindow window, second;
    QtWindowView view{window}, secondView{second};
    AbsentSerialPort serial;
    QtPlatform platform{serial};
    QTimer reader;
};

TEST(QtServices, FileFiltersAndText) {
    EXPECT_EQ(qtFileFilter("Pictures (*.jpg)|*.jpg;*.bmp|All files|*.*"),
              QStringLiteral("Pictures (*.jpg *.bmp);;All files (*)"));
    EXPECT_EQ(qtFileFilter(""), QStringLiteral("All files (*)"));
    EXPECT_EQ(toQString("\xB0"), QString(QChar(0xB0)));      // a lone Latin-1 byte
    EXPECT_EQ(toQString("\xC2\xB0"), QString(QChar(0xB0)));  // the same sign in UTF-8
}

TEST_F(QtWindow, TextBoxBothWays) {
    auto* edit = widget<QLineEdit>(window.text);
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClicks(edit, "10Y");  // one Change per typed character
    EXPECT_EQ(std::tuple(window.text.text(), window.textChanges, window.text.selStart()), std::tuple("10Y", 3, 3));

    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
    // KeyDown reports every key with its Windows code: "1", "0", "Y", then Enter twice.
    EXPECT_EQ(window.keys, (std::vector<int>{49, 48, 89, 13, 13}));

    // The logic's write shows in the box and raises its own Change only.
    window.text.setText("2.5YR");
    EXPECT_EQ(std::tuple(edit->text(), window.textChanges), std::tuple(QStringLiteral("2.5YR"), 4));
}

TEST_F(QtWindow, ScrollBarsWithTheLargerNumberAtTheTopOrOnTheRight) {
    auto* bar = widget<QScrollBar>(window.hue);
    auto* across = widget<QScrollBar>(window.rotation);
    ASSERT_TRUE(bar && across);
    // 202 at the top, 0 at the bottom: 150 is 52 steps down from the top.
    ASSERT_TRUE(window.hue.setValue(150));
    EXPECT_EQ(bar->value() - bar->minimum(), 52);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // one step down, 149
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);    // a page up, 159
    EXPECT_EQ(std::pair(window.hue.value(), window.hueChanges), std::pair(159, 3));

    across->triggerAction(QAbstractSlider::SliderPageStepAdd);  // a page to the right
    EXPECT_EQ(window.rotation.value(), 20);
}

TEST_F(QtWindow, OptionButtonsAndComboBoxBothWays) {
    auto* radio0 = widget<QRadioButton>(window.option0);
    auto* radio1 = widget<QRadioButton>(window.option1);
    auto* combo = widget<QComboBox>(window.combo);
    ASSERT_TRUE(radio0 && radio1 && combo);
    EXPECT_EQ(radio0->parentWidget(), view.widgetFor(window.frame));

    window.option0.select();
    EXPECT_TRUE(radio0->isChecked());
    // A second click on the selected button leaves it selected.
    for (int i = 0; i < 2; ++i) QTest::mouseClick(radio1, Qt::LeftButton, {}, QPoint(6, radio1->height() / 2));
    EXPECT_TRUE(window.option1.value() && radio1->isChecked());
    EXPECT_FALSE(window.option0.value() || radio0->isChecked());
    EXPECT_EQ(window.optionClicks, 2);

    emit combo->activated(1);  // the person picks the second entry
    EXPECT_EQ(std::tuple(window.combo.text(), window.comboClicks), std::tuple("D50", 1));
    window.combo.addItem("F2");
    window.combo.setText("F2");
    EXPECT_EQ(std::tuple(combo->count(), combo->currentText()), std::tuple(3, QStringLiteral("F2")));
}

// The menu bar stands above the client area, and the window grows by it.
TEST_F(QtWindow, StateAndGeometryFollowTheModel) {
    const int bar = view.menuBar()->height();
    EXPECT_GT(bar, 10);
    EXPECT_EQ(view.client().geometry(), QRect(0, bar, 400, 240));  // 6000 x 3600 twips
    EXPECT_EQ(view.widget().size(), QSize(400, 240 + bar));
    EXPECT_EQ(view.widgetFor(window.picture)->parentWidget(), &view.client());
    window.setClientSize(6750, 4350);
    EXPECT_EQ(view.widget().size(), QSize(450, 290 + bar));
    EXPECT_EQ(view.widget().windowTitle(), QStringLiteral("Binding test"));

    window.button.setVisible(false);
    window.combo.setEnabled(false);
    EXPECT_FALSE(view.widgetFor(window.button)->isVisible() || view.widgetFor(window.combo)->isEnabled());
    window.button.setVisible(true);
    EXPECT_TRUE(view.widgetFor(window.button)->isVisible());
    window.text.setRect({600, 600, 1500, 300});
    EXPECT_EQ(view.widgetFor(window.text)->geometry(), QRect(40, 40, 100, 20));
    EXPECT_EQ(view.client().grab().toImage().pixelColor(296 + 40, 160 + 16), QColor(255, 255, 0));  // the status line
    screenshot(view.widget(), "binding_test");
}

TEST_F(QtWindow, MenusFollowTheModelAndHandTheChoiceOver) {
    QAction* open = view.actionFor(window.open);
    QAction* follow = view.actionFor(window.follow);
    QAction* click = view.actionFor(window.click);
    ASSERT_TRUE(open && follow && click);
    EXPECT_EQ(view.menuBar()->actions().size(), 2);
    EXPECT_TRUE(view.actionFor(window.line)->isSeparator());
    EXPECT_EQ(view.actionFor(window.mode)->menu()->actions().size(), 2);  // the submenu's two modes
    EXPECT_TRUE(click->isChecked());

    window.follow.onClick = [&] {
        window.follow.setChecked(true);
        window.click.setChecked(false);
    };
    follow->trigger();
    EXPECT_TRUE(follow->isChecked() && !click->isChecked());
    window.click.onClick = [] {};  // a tick the model does not take is not shown either
    click->trigger();
    EXPECT_FALSE(click->isChecked());

    window.open.setVisible(false);
    window.exit.setEnabled(false);
    window.exit.setCaption("&Close");
    EXPECT_FALSE(open->isVisible() || view.actionFor(window.exit)->isEnabled());
    EXPECT_EQ(view.actionFor(window.exit)->text(), QStringLiteral("&Close"));
}

TEST_F(QtWindow, TheListBoxBothWays) {
    auto* list = widget<QListWidget>(window.list);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 12);
    int clicks = 0;
    window.list.onClick = [&] { ++clicks; };
    window.list.setListIndex(9);  // code: shown, no Click
    EXPECT_EQ(std::tuple(list->currentRow(), clicks), std::tuple(9, 0));

    list->scrollToTop();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    EXPECT_EQ(window.list.listIndex(), 2);
    QTest::keyClick(list, Qt::Key_Down);  // the keyboard selects too
    EXPECT_EQ(std::tuple(window.list.listIndex(), clicks), std::tuple(3, 2));

    window.list.clear();  // a new list replaces the old
    window.list.addItem("1    again");
    EXPECT_EQ(std::tuple(list->count(), list->currentRow(), clicks), std::tuple(1, -1, 2));
}

// A press on the picture box arrives in twips, or in the box's own units: with
// its middle the origin and y growing upwards, 90, 25 px into it is 10, 10.
TEST_F(QtWindow, APressOnThePictureArrivesInItsUnits) {
    QWidget* area = view.widgetFor(window.picture);
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(10, 20));
    window.picture.setUserScale(-20, 20, 40, -40);
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(60, 50));
    QTest::mousePress(area, Qt::RightButton, {}, QPoint(90, 25));
    EXPECT_EQ(window.presses,
              (std::vector{std::tuple{MouseButton::Left, 150.0f, 300.0f}, std::tuple{MouseButton::Left, 0.0f, 0.0f},
                           std::tuple{MouseButton::Right, 10.0f, 10.0f}}));
}

TEST_F(QtWindow, CloseWithTheFrameAsksTheModel) {
    int closes = 0;
    window.onClose = [&] { ++closes; };
    view.widget().close();
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(view.widget().isVisible());  // the model stayed visible
    window.onClose = [&] { window.hide(); };
    view.widget().close();
    EXPECT_FALSE(view.widget().isVisible() || window.visible());
}

// Without a printer the window goes into a PDF file, Tintara.pdf in the
// working folder offered over the window; cancelling the choice is no failure.
TEST_F(QtWindow, PrintingSaysWhyItFailsAndOffersTintaraPdfWithoutAPrinter) {
    QTemporaryDir dir;
    std::string error;
    // A window this platform does not show, and a folder that does not exist.
    EXPECT_FALSE(platform.printer.printToPdf(window, dir.filePath("x.pdf").toStdString(), error));
    EXPECT_NE(error.find("TestForm"), std::string::npos);
    platform.attach(view);
    EXPECT_FALSE(platform.printer.printToPdf(window, "/nonexistent-dir/x.pdf", error));
    EXPECT_NE(error.find("/nonexistent-dir/x.pdf"), std::string::npos);

    QStringList offered;
    QWidget* over = nullptr;
    onDialog([&](QDialog& dialog) {
        offered = qobject_cast<QFileDialog*>(&dialog)->selectedFiles();
        over = dialog.parentWidget();
        dialog.reject();
    });
    const HandlingWindow handling(&view.widget());
    EXPECT_FALSE(platform.printer.choosePdfFile(window).has_value());  // the person cancels
    EXPECT_EQ(offered, QStringList{QDir::current().filePath(QStringLiteral("Tintara.pdf"))});
    EXPECT_EQ(over, &view.widget());

    // A PDF written is proven with the main window's PRINT.
    if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
    platform.printer.choosePdfFile = [](const Window&) { return std::optional<std::string>(); };
    const PrintOutcome declined = platform.printer.printWindow(window);
    EXPECT_TRUE(declined.ok && declined.pdfFile.empty());
}

// A message box and an input box open centred on the window whose button
// asked for them; the message box answers with the button pressed.
TEST_F(QtWindow, DialogsOpenCentredOnTheWindowThatAskedAndAnswerTheButton) {
    showSecond();
    QString text, title;
    QRect box, input;
    onDialog([&](QDialog& d) {
        text = qobject_cast<QMessageBox*>(&d)->text();
        title = d.windowTitle();
        box = d.frameGeometry();
        qobject_cast<QMessageBox*>(&d)->button(QMessageBox::No)->click();
    });
    Dialogs& dialogs = platform.platform().dialogs;
    Answer answer = Answer::Cancel;
    second.button.onClick = [&] {
        answer = dialogs.messageBox("Save?\rNow\r\nor later", MessageButtons::YesNoCancel, MessageIcon::Question, "");
    };
    QTest::mouseClick(secondView.widgetFor(second.button), Qt::LeftButton);
    EXPECT_EQ(answer, Answer::No);
    EXPECT_EQ(text, QStringLiteral("Save?\nNow\nor later"));
    EXPECT_EQ(title, QStringLiteral("Tintara"));

    onDialog([&](QDialog& d) {
        input = d.frameGeometry();
        d.reject();
    });
    second.button.onClick = [&] { dialogs.inputBox("Enter file name for palette ", "Palette Generation", "x"); };
    QTest::mouseClick(secondView.widgetFor(second.button), Qt::LeftButton);
    for (const QRect& shown : {box, input})
        EXPECT_LE((shown.center() - secondView.widget().frameGeometry().center()).manhattanLength(), 2) << shown.x();
    const double now = platform.clock.secondsSinceMidnight();
    EXPECT_TRUE(now >= 0.0 && now < 86400.0);
}

// The image window and the palette viewer bring themselves to the front while
// they work; the window that was active before yields.
TEST_F(QtWindow, AWindowBroughtToTheFrontBecomesTheActiveOne) {
    showSecond();
    ASSERT_EQ(QApplication::activeWindow(), &view.widget());
    second.bringToFront();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &secondView.widget(); }, 2000));
    window.hide();
    window.bringToFront();  // shows a hidden window too
    EXPECT_TRUE(view.widget().isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &view.widget(); }, 2000));
}

}  // namespace
}  // namespace tintara::ui::qt

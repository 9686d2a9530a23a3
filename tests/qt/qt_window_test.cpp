// A small window model on real widgets, driven as a person would: typing,
// pressing Enter, clicking, dragging a scroll bar; the window logic writing to
// its controls; and the window as a whole: what it shows, closing with the
// frame, and printing when no printer is installed.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "qt/test_window.h"
#include "ui/headless/headless_platform.h"
#include "ui/qt/qt_dialog_parent.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/qt_window_view.h"

namespace tintara::ui::qt {
namespace {

class QtWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view.widget()));
    }
    TestWindow window;
    QtWindowView view{window};
};

TEST_F(QtWindow, TextBoxBothWays) {
    auto* edit = qobject_cast<QLineEdit*>(view.widgetFor(window.text));
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClicks(edit, "10Y");
    EXPECT_EQ(window.text.text(), "10Y");
    EXPECT_EQ(window.textChanges, 3);  // one Change per typed character
    EXPECT_EQ(window.text.selStart(), 3);

    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
    // KeyDown reports every key with its Windows code: "1", "0", "Y", then Enter twice.
    EXPECT_EQ(window.keys, (std::vector<int>{49, 48, 89, 13, 13}));

    // The logic's write shows in the box and raises its own Change only.
    window.text.setText("2.5YR");
    EXPECT_EQ(edit->text(), QStringLiteral("2.5YR"));
    EXPECT_EQ(window.textChanges, 4);

    // Gaining the focus selects the whole text when the box asks for it.
    window.text.selectAllOnFocus = true;
    QApplication::setActiveWindow(&view.widget());
    view.widgetFor(window.combo)->setFocus(Qt::TabFocusReason);
    edit->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(edit->hasFocus());
    EXPECT_TRUE(QTest::qWaitFor([&] { return edit->selectedText() == QStringLiteral("2.5YR"); }, 2000));
    EXPECT_EQ(window.text.selLength(), 5);
}

TEST_F(QtWindow, ScrollBarWithLargerNumberAtTop) {
    auto* bar = qobject_cast<QScrollBar*>(view.widgetFor(window.hue));
    ASSERT_NE(bar, nullptr);
    // 202 at the top, 0 at the bottom: the model's 0 is the widget's bottom end.
    EXPECT_EQ(bar->value(), bar->maximum());
    ASSERT_TRUE(window.hue.setValue(150));
    EXPECT_EQ(bar->value() - bar->minimum(), 52);  // 52 steps down from the top

    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // one step down
    EXPECT_EQ(window.hue.value(), 149);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);  // a page up
    EXPECT_EQ(window.hue.value(), 159);
    EXPECT_EQ(window.hueChanges, 3);
}

TEST_F(QtWindow, CheckBoxOptionButtonsAndComboBoxBothWays) {
    auto* check = qobject_cast<QCheckBox*>(view.widgetFor(window.check));
    auto* radio0 = qobject_cast<QRadioButton*>(view.widgetFor(window.option0));
    auto* radio1 = qobject_cast<QRadioButton*>(view.widgetFor(window.option1));
    auto* combo = qobject_cast<QComboBox*>(view.widgetFor(window.combo));
    ASSERT_TRUE(check && radio0 && radio1 && combo);
    EXPECT_EQ(radio0->parentWidget(), view.widgetFor(window.frame));

    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));  // on the box
    EXPECT_EQ(window.check.value(), 1);
    window.check.setValue(0);
    EXPECT_FALSE(check->isChecked());
    EXPECT_EQ(window.checkClicks, 2);

    window.option0.select();
    EXPECT_TRUE(radio0->isChecked());
    // A second click on the selected button leaves it selected.
    for (int i = 0; i < 2; ++i) QTest::mouseClick(radio1, Qt::LeftButton, {}, QPoint(6, radio1->height() / 2));
    EXPECT_TRUE(window.option1.value() && radio1->isChecked());
    EXPECT_FALSE(window.option0.value() || radio0->isChecked());
    EXPECT_EQ(window.optionClicks, 2);

    emit combo->activated(1);  // the person picks the second entry
    EXPECT_EQ(window.combo.text(), "D50");
    EXPECT_EQ(window.comboClicks, 1);
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "A");
    EXPECT_EQ(window.combo.text(), "A");
    window.combo.addItem("F2");
    window.combo.setText("F2");
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentText(), QStringLiteral("F2"));
}

TEST_F(QtWindow, StateAndGeometryFollowTheModel) {
    EXPECT_EQ(view.widget().size(), QSize(400, 240));  // 6000 x 3600 twips
    EXPECT_EQ(view.widget().windowTitle(), QStringLiteral("Binding test"));
    window.button.setVisible(false);
    EXPECT_FALSE(view.widgetFor(window.button)->isVisible());
    window.button.setVisible(true);
    EXPECT_TRUE(view.widgetFor(window.button)->isVisible());
    window.check.setEnabled(false);
    EXPECT_FALSE(view.widgetFor(window.check)->isEnabled());
    window.text.setRect({600, 600, 1500, 300});
    EXPECT_EQ(view.widgetFor(window.text)->geometry(), QRect(40, 40, 100, 20));
}

TEST_F(QtWindow, ShowsThePictureAndHandsOverThePointer) {
    window.picture.surface().fillRect(60, 50, 20, 20, Rgb{255, 0, 0});
    window.picture.refresh();
    const QImage shot = view.widget().grab().toImage();
    // The picture box sits at (160, 28) px; its pixel (70, 60) is red, the grey
    // background around the red square is untouched.
    EXPECT_EQ(QColor(shot.pixel(160 + 70, 28 + 60)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(shot.pixel(160 + 20, 28 + 20)), QColor(192, 192, 192));

    // 10, 20 px into the picture is 150, 300 twips.
    QTest::mousePress(view.widgetFor(window.picture), Qt::LeftButton, {}, QPoint(10, 20));
    EXPECT_EQ(window.presses, (std::vector{std::tuple{MouseButton::Left, 150.0f, 300.0f}}));
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

TEST_F(QtWindow, PrintingSaysWhyItFailsAndOffersAPdfWithoutAPrinter) {
    QTemporaryDir dir;
    AbsentSerialPort serial;
    QtPlatform platform(serial);
    std::string error;
    // A window this platform does not show, and a folder that does not exist.
    EXPECT_FALSE(platform.printer.printToPdf(window, dir.filePath("x.pdf").toStdString(), error));
    EXPECT_NE(error.find("TestForm"), std::string::npos);
    platform.attach(view);
    EXPECT_FALSE(platform.printer.printToPdf(window, "/nonexistent-dir/x.pdf", error));
    EXPECT_NE(error.find("/nonexistent-dir/x.pdf"), std::string::npos);

    if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
    // Without a printer the window goes into the PDF file the person names;
    // cancelling the choice is no failure.
    const QString offered = dir.filePath(QStringLiteral("offered.pdf"));
    platform.printer.choosePdfFile = [&](const Window&) { return offered.toStdString(); };
    const PrintOutcome printed = platform.platform().printer.printWindow(window);
    ASSERT_TRUE(printed.ok) << printed.error;
    EXPECT_EQ(printed.pdfFile, offered.toStdString());
    QFile file(offered);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly) && file.read(4) == "%PDF");
    platform.printer.choosePdfFile = [](const Window&) { return std::optional<std::string>(); };
    const PrintOutcome declined = platform.printer.printWindow(window);
    EXPECT_TRUE(declined.ok && declined.pdfFile.empty());
}

// Without a printer the file dialog offers Tintara.pdf in the working folder,
// not the window's internal name, and opens over the window.
TEST_F(QtWindow, ThePdfOfferedIsTintaraPdfInTheWorkingFolder) {
    AbsentSerialPort serial;
    QtPlatform platform(serial);
    EXPECT_EQ(QtPrinter::suggestedPdfFile(), QDir::current().filePath(QStringLiteral("Tintara.pdf")).toStdString());
    QStringList offered;
    QWidget* over = nullptr;
    QTimer reader;
    QObject::connect(&reader, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        offered = dialog->selectedFiles();
        over = dialog->parentWidget();
        dialog->reject();
    });
    reader.start(10);
    const HandlingWindow handling(&view.widget());
    EXPECT_FALSE(platform.printer.choosePdfFile(window).has_value());  // the person cancels
    EXPECT_EQ(offered, QStringList{QDir::current().filePath(QStringLiteral("Tintara.pdf"))});
    EXPECT_EQ(over, &view.widget());
}

}  // namespace
}  // namespace tintara::ui::qt

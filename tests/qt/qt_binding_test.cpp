// The binding of control models to widgets, driven as a person would: typing,
// pressing Enter, clicking, dragging a scroll bar; and the window logic
// writing to its controls.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "qt/test_window.h"
#include "ui/qt/qt_window_view.h"

namespace tintara::ui::qt {
namespace {

template <class W>
W* widgetOf(const QtWindowView& view, const Control& control) {
    return qobject_cast<W*>(view.widgetFor(control));
}

struct Shown {
    TestWindow window;
    QtWindowView view{window};
    Shown() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view.widget()));
    }
};

TEST(QtBinding, TextBoxBothWays) {
    Shown s;
    auto* edit = widgetOf<QLineEdit>(s.view, s.window.text);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QStringLiteral("5.6R"));

    edit->selectAll();
    QTest::keyClicks(edit, "10Y");
    EXPECT_EQ(s.window.text.text(), "10Y");
    EXPECT_EQ(s.window.textChanges, 3);  // one Change per typed character
    EXPECT_EQ(s.window.text.selStart(), 3);

    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
    // KeyDown reports every key with its Windows code: "1", "0", "Y", then Enter twice.
    EXPECT_EQ(s.window.keys, (std::vector<int>{49, 48, 89, 13, 13}));

    // The logic's write shows in the box and raises its own Change only.
    s.window.text.setText("2.5YR");
    EXPECT_EQ(edit->text(), QStringLiteral("2.5YR"));
    EXPECT_EQ(s.window.textChanges, 4);

    // Gaining the focus selects the whole text when the box asks for it.
    s.window.text.selectAllOnFocus = true;
    QApplication::setActiveWindow(&s.view.widget());
    s.view.widgetFor(s.window.combo)->setFocus(Qt::TabFocusReason);
    edit->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(edit->hasFocus());
    EXPECT_TRUE(QTest::qWaitFor([&] { return edit->selectedText() == QStringLiteral("2.5YR"); }, 2000));
    EXPECT_EQ(s.window.text.selLength(), 5);
}

TEST(QtBinding, ScrollBarWithLargerNumberAtTop) {
    Shown s;
    auto* bar = widgetOf<QScrollBar>(s.view, s.window.hue);
    ASSERT_NE(bar, nullptr);
    // 202 at the top, 0 at the bottom: the model's 0 is the widget's bottom end.
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(bar->pageStep(), 10);

    ASSERT_TRUE(s.window.hue.setValue(150));
    EXPECT_EQ(s.window.hueChanges, 1);
    EXPECT_EQ(bar->value() - bar->minimum(), 52);  // 52 steps down from the top

    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // one step down
    EXPECT_EQ(s.window.hue.value(), 149);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);  // a page up
    EXPECT_EQ(s.window.hue.value(), 159);
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(s.window.hue.value(), 202);
    EXPECT_EQ(s.window.hueChanges, 4);
}

TEST(QtBinding, CheckBoxAndOptionButtonsBothWays) {
    Shown s;
    auto* check = widgetOf<QCheckBox>(s.view, s.window.check);
    auto* radio0 = widgetOf<QRadioButton>(s.view, s.window.option0);
    auto* radio1 = widgetOf<QRadioButton>(s.view, s.window.option1);
    ASSERT_TRUE(check && radio0 && radio1);
    EXPECT_EQ(radio0->parentWidget(), s.view.widgetFor(s.window.frame));

    const QPoint indicator(6, check->height() / 2);
    QTest::mouseClick(check, Qt::LeftButton, {}, indicator);
    EXPECT_EQ(s.window.check.value(), 1);
    EXPECT_EQ(s.window.checkClicks, 1);
    s.window.check.setValue(0);
    EXPECT_FALSE(check->isChecked());
    EXPECT_EQ(s.window.checkClicks, 2);

    s.window.option0.select();
    EXPECT_TRUE(radio0->isChecked());
    QTest::mouseClick(radio1, Qt::LeftButton, {}, QPoint(6, radio1->height() / 2));
    EXPECT_TRUE(s.window.option1.value());
    EXPECT_FALSE(s.window.option0.value());
    EXPECT_FALSE(radio0->isChecked());
    // A second click on the selected button leaves it selected.
    QTest::mouseClick(radio1, Qt::LeftButton, {}, QPoint(6, radio1->height() / 2));
    EXPECT_TRUE(radio1->isChecked());
    EXPECT_EQ(s.window.optionClicks, 2);
}

TEST(QtBinding, ComboBoxBothWays) {
    Shown s;
    auto* combo = widgetOf<QComboBox>(s.view, s.window.combo);
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentText(), QStringLiteral("D65"));

    emit combo->activated(1);  // the person picks the second entry
    EXPECT_EQ(s.window.combo.text(), "D50");
    EXPECT_EQ(s.window.comboClicks, 1);

    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "A");
    EXPECT_EQ(s.window.combo.text(), "A");

    s.window.combo.addItem("F2");
    s.window.combo.setText("F2");
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentText(), QStringLiteral("F2"));
}

TEST(QtBinding, StateAndVisibilityFollowTheModel) {
    Shown s;
    QWidget* button = s.view.widgetFor(s.window.button);
    s.window.button.setVisible(false);
    EXPECT_FALSE(button->isVisible());
    s.window.button.setVisible(true);
    EXPECT_TRUE(button->isVisible());
    s.window.check.setEnabled(false);
    EXPECT_FALSE(s.view.widgetFor(s.window.check)->isEnabled());
    s.window.text.setRect({600, 600, 1500, 300});
    EXPECT_EQ(s.view.widgetFor(s.window.text)->geometry(), QRect(40, 40, 100, 20));
}

}  // namespace
}  // namespace tintara::ui::qt

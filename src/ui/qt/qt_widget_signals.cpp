#include "ui/qt/qt_widget_signals.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include "ui/controls.h"
#include "ui/list_box.h"
#include "ui/qt/qt_control_binding.h"
#include "ui/qt/qt_dialog_parent.h"
#include "ui/qt/qt_line_edit.h"
#include "ui/qt/qt_scroll_mapping.h"
#include "ui/qt/qt_text.h"

namespace tintara::ui::qt {

namespace {

// The line edit's caret and selection as byte positions of the model's UTF-8 text.
void selectAsShown(TextBox& box, const LineEdit& edit) {
    const QString text = edit.text();
    const int start = edit.hasSelectedText() ? edit.selectionStart() : edit.cursorPosition();
    const int end = start + int(edit.selectedText().size());
    const auto bytes = [&](int units) { return int(fromQString(text.left(units)).size()); };
    box.select(bytes(start), bytes(end) - bytes(start));
}

void connectTextBox(TextBox& box, LineEdit& edit, ControlBinding& binding) {
    QObject::connect(&edit, &QLineEdit::textEdited, &edit, [&box, &edit, &binding](const QString& text) {
        binding.fromWidget([&] {
            box.setText(fromQString(text));
            selectAsShown(box, edit);
        });
    });
    // The model keeps the caret too, so that a later change of the model (a new
    // colour, say) does not move the caret back to where the model last had it.
    const auto followCaret = [&box, &edit, &binding] { binding.fromWidget([&] { selectAsShown(box, edit); }); };
    QObject::connect(&edit, &QLineEdit::cursorPositionChanged, &edit, followCaret);
    QObject::connect(&edit, &QLineEdit::selectionChanged, &edit, followCaret);
    edit.onKeyDown = [&box, &edit](int keyCode, int shift) {
        const HandlingWindow handling(&edit);
        box.keyDown(keyCode, shift);
    };
    // A click that gives the box the focus places the caret where it lands; a
    // box that selects its whole text on gaining the focus selects it again.
    edit.onClickedIntoFocus = [&box, &binding] {
        if (box.selectAllOnFocus) binding.fromWidget([&] { box.select(0, int(box.text().size())); });
    };
    edit.onFocusIn = [&box, &edit, &binding] {
        const int start = box.selStart(), length = box.selLength();
        binding.fromWidget([&] { box.gotFocus(); });
        // Qt's own focus handling may still change the selection after this
        // (the focus given by a window coming to the front); the model's is shown
        // once Qt has finished.
        if (box.selectAllOnFocus || box.selStart() != start || box.selLength() != length)
            QTimer::singleShot(0, &edit, [&binding] { binding.showSelection(); });
    };
}

void connectScrollBar(ScrollBar& bar, QScrollBar& widget, ControlBinding& binding) {
    QObject::connect(&widget, &QAbstractSlider::valueChanged, &widget, [&bar, &binding](int shown) {
        binding.fromWidget([&] { bar.setValue(mirroredScrollValue(bar, shown)); });
    });
}

int checkValue(Qt::CheckState state) { return state == Qt::Checked ? 1 : state == Qt::Unchecked ? 0 : 2; }

void connectComboBox(ComboBox& combo, QComboBox& widget, ControlBinding& binding) {
    QObject::connect(&widget, &QComboBox::activated, &widget,
                     [&combo, &binding](int index) { binding.fromWidget([&] { combo.choose(index); }); });
    QObject::connect(widget.lineEdit(), &QLineEdit::textEdited, &widget, [&combo, &binding](const QString& text) {
        binding.fromWidget([&] { combo.setText(fromQString(text)); });
    });
}

// The person's selection, by mouse or keyboard; the code's own are shown with
// the widget's signals blocked.
void connectListBox(ListBox& list, QListWidget& widget, ControlBinding& binding) {
    QObject::connect(&widget, &QListWidget::currentRowChanged, &widget, [&list, &binding](int row) {
        if (row >= 0) binding.fromWidget([&] { list.choose(row); });
    });
}

}  // namespace

void connectWidget(Control& control, QWidget& widget, ControlBinding& binding) {
    switch (control.kind()) {
    case ControlKind::TextBox:
        connectTextBox(static_cast<TextBox&>(control), static_cast<LineEdit&>(widget), binding);
        break;
    case ControlKind::Button: {
        auto& button = static_cast<Button&>(control);
        QObject::connect(static_cast<QPushButton*>(&widget), &QPushButton::clicked, &widget,
                         [&button, &binding] { binding.fromWidget([&] { button.click(); }); });
        break;
    }
    case ControlKind::CheckBox: {
        auto& box = static_cast<CheckBox&>(control);
        auto* check = static_cast<QCheckBox*>(&widget);
        QObject::connect(check, &QCheckBox::clicked, check, [&box, check, &binding] {
            binding.fromWidget([&] { box.setValue(checkValue(check->checkState())); });
        });
        break;
    }
    case ControlKind::OptionButton: {
        auto& option = static_cast<OptionButton&>(control);
        QObject::connect(static_cast<QRadioButton*>(&widget), &QRadioButton::clicked, &widget,
                         [&option, &binding] { binding.fromWidget([&] { option.select(); }); });
        break;
    }
    case ControlKind::ScrollBar:
        connectScrollBar(static_cast<ScrollBar&>(control), static_cast<QScrollBar&>(widget), binding);
        break;
    case ControlKind::ComboBox:
        connectComboBox(static_cast<ComboBox&>(control), static_cast<QComboBox&>(widget), binding);
        break;
    case ControlKind::ListBox:
        connectListBox(static_cast<ListBox&>(control), static_cast<QListWidget&>(widget), binding);
        break;
    case ControlKind::Label:
    case ControlKind::Frame:
    case ControlKind::PictureBox:  // the picture widget hands its pointer events over itself
    case ControlKind::Shape: break;
    }
}

}  // namespace tintara::ui::qt

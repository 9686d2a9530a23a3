#include "ui/qt/qt_widget_sync.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "ui/controls.h"
#include "ui/list_box.h"
#include "ui/qt/qt_geometry.h"
#include "ui/qt/qt_scroll_mapping.h"
#include "ui/qt/qt_text.h"

namespace tintara::ui::qt {

namespace {

// Only the roles the model sets are resolved in the palette; the others follow
// the parent and the style, and an unset colour goes back to the default.
void applyColors(const Control& control, QWidget& widget, QPalette::ColorRole back, QPalette::ColorRole fore,
                 bool fillsBackground) {
    QPalette palette;
    palette.setResolveMask(0);
    if (control.backColor()) palette.setColor(back, toQColor(*control.backColor()));
    if (control.foreColor()) palette.setColor(fore, toQColor(*control.foreColor()));
    widget.setPalette(palette);
    if (fillsBackground) widget.setAutoFillBackground(control.backColor().has_value());
}

void syncTextBox(const TextBox& box, QLineEdit& edit) {
    const QString text = toQString(box.text());
    if (edit.text() != text) edit.setText(text);
    applyColors(box, edit, QPalette::Base, QPalette::Text, false);
}

void syncLabel(const Label& label, QLabel& widget) {
    const QString text = displayText(label.caption());
    if (widget.text() != text) widget.setText(text);
    applyColors(label, widget, QPalette::Window, QPalette::WindowText, true);
}

Qt::CheckState checkState(int value) {
    return value == 1 ? Qt::Checked : value == 0 ? Qt::Unchecked : Qt::PartiallyChecked;
}

void syncCheckBox(const CheckBox& box, QCheckBox& widget) {
    widget.setText(toQString(box.caption()));
    widget.setTristate(checkState(box.value()) == Qt::PartiallyChecked);
    widget.setCheckState(checkState(box.value()));
    applyColors(box, widget, QPalette::Window, QPalette::WindowText, true);
}

void syncOption(const OptionButton& option, QRadioButton& widget) {
    widget.setText(toQString(option.caption()));
    widget.setChecked(option.value());
    applyColors(option, widget, QPalette::Window, QPalette::WindowText, true);
}

void syncScrollBar(const ScrollBar& bar, QScrollBar& widget) {
    widget.setOrientation(bar.orientation() == Orientation::Vertical ? Qt::Vertical : Qt::Horizontal);
    widget.setRange(scrollMinimum(bar), scrollMaximum(bar));
    widget.setSingleStep(bar.smallChange());
    widget.setPageStep(bar.largeChange());
    widget.setValue(mirroredScrollValue(bar, bar.value()));
}

void syncComboBox(const ComboBox& combo, QComboBox& widget) {
    QStringList items;
    for (const std::string& item : combo.items()) items << toQString(item);
    QStringList shown;
    for (int i = 0; i < widget.count(); ++i) shown << widget.itemText(i);
    if (items != shown) {
        widget.clear();
        widget.addItems(items);
    }
    const QString text = toQString(combo.text());
    if (widget.currentText() != text) widget.setEditText(text);
    applyColors(combo, widget, QPalette::Base, QPalette::Text, false);
}

// The widget follows every change of the list as it happens: a list that
// grew gained entries at its end, which are appended; any other change (a
// clear, a removal) leaves it shorter and shows it anew.
void syncListBox(const ListBox& list, QListWidget& widget) {
    if (widget.count() > list.listCount()) widget.clear();
    if (widget.count() < list.listCount()) {
        QStringList added;
        for (int i = widget.count(); i < list.listCount(); ++i) added << toQString(list.items()[std::size_t(i)]);
        widget.addItems(added);
    }
    if (widget.currentRow() != list.listIndex()) {
        widget.setCurrentRow(list.listIndex());
        if (QListWidgetItem* item = widget.currentItem()) widget.scrollToItem(item);
    }
    applyColors(list, widget, QPalette::Base, QPalette::Text, false);
}

void syncKind(const Control& control, QWidget& widget) {
    switch (control.kind()) {
    case ControlKind::TextBox:
        syncTextBox(static_cast<const TextBox&>(control), static_cast<QLineEdit&>(widget));
        break;
    case ControlKind::Label: syncLabel(static_cast<const Label&>(control), static_cast<QLabel&>(widget)); break;
    case ControlKind::Button:
        static_cast<QPushButton&>(widget).setText(toQString(static_cast<const Button&>(control).caption()));
        applyColors(control, widget, QPalette::Button, QPalette::ButtonText, false);
        break;
    case ControlKind::CheckBox:
        syncCheckBox(static_cast<const CheckBox&>(control), static_cast<QCheckBox&>(widget));
        break;
    case ControlKind::OptionButton:
        syncOption(static_cast<const OptionButton&>(control), static_cast<QRadioButton&>(widget));
        break;
    case ControlKind::ScrollBar:
        syncScrollBar(static_cast<const ScrollBar&>(control), static_cast<QScrollBar&>(widget));
        break;
    case ControlKind::ComboBox:
        syncComboBox(static_cast<const ComboBox&>(control), static_cast<QComboBox&>(widget));
        break;
    case ControlKind::ListBox:
        syncListBox(static_cast<const ListBox&>(control), static_cast<QListWidget&>(widget));
        break;
    case ControlKind::Frame:
        static_cast<QGroupBox&>(widget).setTitle(toQString(static_cast<const Frame&>(control).caption()));
        applyColors(control, widget, QPalette::Window, QPalette::WindowText, true);
        break;
    case ControlKind::PictureBox:
    case ControlKind::Shape: widget.update(); break;
    }
}

}  // namespace

void syncWidget(const Control& control, QWidget& widget) {
    const QSignalBlocker blocker(widget);
    syncKind(control, widget);
    const QRect rect = toQRect(control.rect());
    if (widget.geometry() != rect) widget.setGeometry(rect);
    widget.setEnabled(control.enabled());
    if (widget.isHidden() == control.visible()) widget.setVisible(control.visible());
}

}  // namespace tintara::ui::qt

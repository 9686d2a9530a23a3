#include "ui/qt/qt_widget_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "ui/controls.h"
#include "ui/qt/qt_line_edit.h"
#include "ui/qt/qt_picture_widget.h"
#include "ui/qt/qt_shape_widget.h"

namespace tintara::ui::qt {

namespace {

QWidget* makeLabel(QWidget& parent) {
    auto* label = new QLabel(&parent);
    // Captions are shown as written, wrapped at word boundaries inside their
    // box and starting at its top left, as the windows were laid out.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* makeRadio(QWidget& parent) {
    // The option group's model keeps one button selected; Qt must not second-guess it.
    auto* radio = new QRadioButton(&parent);
    radio->setAutoExclusive(false);
    return radio;
}

QWidget* makeCombo(QWidget& parent) {
    auto* combo = new QComboBox(&parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

QWidget* makeList(QWidget& parent) {
    auto* list = new QListWidget(&parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);  // thousands of entries stay quick to show
    return list;
}

QWidget* makeButton(QWidget& parent) {
    auto* button = new QPushButton(&parent);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

QWidget* createWidget(Control& control, QWidget& parent) {
    switch (control.kind()) {
    case ControlKind::TextBox: return new LineEdit(&parent);
    case ControlKind::Label: return makeLabel(parent);
    case ControlKind::Button: return makeButton(parent);
    case ControlKind::CheckBox: return new QCheckBox(&parent);
    case ControlKind::OptionButton: return makeRadio(parent);
    case ControlKind::ScrollBar: return new QScrollBar(&parent);
    case ControlKind::ComboBox: return makeCombo(parent);
    case ControlKind::ListBox: return makeList(parent);
    case ControlKind::Frame: return new QGroupBox(&parent);
    case ControlKind::PictureBox: return new PictureWidget(static_cast<PictureBox&>(control), &parent);
    case ControlKind::Shape: return new ShapeWidget(static_cast<const Shape&>(control), &parent);
    }
    return new QWidget(&parent);
}

}  // namespace tintara::ui::qt

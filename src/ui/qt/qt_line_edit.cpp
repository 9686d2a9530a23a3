#include "ui/qt/qt_line_edit.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPointer>

#include "ui/qt/qt_key_codes.h"

namespace tintara::ui::qt {

void LineEdit::keyPressEvent(QKeyEvent* event) {
    const int code = virtualKeyCode(event->key(), event->modifiers());
    if (code != 0 && onKeyDown) {
        // The handler may move the focus or hide the window; it must not find
        // the key handled twice if this widget is gone afterwards.
        QPointer<LineEdit> self(this);
        onKeyDown(code, shiftMask(event->modifiers()));
        if (!self) return;
    }
    QLineEdit::keyPressEvent(event);
}

void LineEdit::focusInEvent(QFocusEvent* event) {
    // Qt gives the focus before it hands the press that gave it to the widget.
    focusedByMouse_ = event->reason() == Qt::MouseFocusReason;
    QLineEdit::focusInEvent(event);
    if (onFocusIn) onFocusIn();
}

void LineEdit::focusOutEvent(QFocusEvent* event) {
    focusedByMouse_ = false;
    QLineEdit::focusOutEvent(event);
}

void LineEdit::mousePressEvent(QMouseEvent* event) {
    const bool focusing = focusedByMouse_;
    focusedByMouse_ = false;
    QPointer<LineEdit> self(this);
    QLineEdit::mousePressEvent(event);
    if (self && focusing && onClickedIntoFocus) onClickedIntoFocus();
}

}  // namespace tintara::ui::qt

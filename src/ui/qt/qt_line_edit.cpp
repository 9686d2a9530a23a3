#include "ui/qt/qt_line_edit.h"

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
    QLineEdit::focusInEvent(event);
    if (onFocusIn) onFocusIn();
}

}  // namespace tintara::ui::qt

// The text box widget: a QLineEdit that reports key presses and the gain of
// focus, which the text box model needs and QLineEdit has no signals for.
#pragma once

#include <QLineEdit>
#include <functional>

namespace tintara::ui::qt {

class LineEdit : public QLineEdit {
public:
    explicit LineEdit(QWidget* parent) : QLineEdit(parent) {}

    // Before the widget handles the key, as KeyDown comes before the edit.
    std::function<void(int keyCode, int shift)> onKeyDown;
    // After Qt's own focus handling.
    std::function<void()> onFocusIn;
    // After the mouse press that gave the box the focus has placed the caret,
    // which would otherwise undo a selection made on gaining the focus.
    std::function<void()> onClickedIntoFocus;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool focusedByMouse_ = false;
};

}  // namespace tintara::ui::qt

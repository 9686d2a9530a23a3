// The window a dialog belongs to, which Qt opens it centred on. A dialog
// belongs to the window whose event is being handled when it opens (the
// button clicked, the key pressed, the menu chosen, the timer fired), so that
// a message from a window in the background still opens over that window;
// outside any event, to the active window.
#pragma once

#include <QPointer>
#include <QWidget>

namespace tintara::ui::qt {

// While one lives, events of this window are being handled. Scopes nest: the
// innermost window wins and the one before it comes back at the end.
class HandlingWindow {
public:
    explicit HandlingWindow(QWidget* widget);
    ~HandlingWindow();
    HandlingWindow(const HandlingWindow&) = delete;
    HandlingWindow& operator=(const HandlingWindow&) = delete;

    static QWidget* current();

private:
    QPointer<QWidget> previous_;
};

// The window a dialog opening now belongs to; null when there is none on the
// screen.
QWidget* dialogParent();

}  // namespace tintara::ui::qt

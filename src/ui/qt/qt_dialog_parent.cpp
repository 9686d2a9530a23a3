#include "ui/qt/qt_dialog_parent.h"

#include <QApplication>

namespace tintara::ui::qt {

namespace {
// The user interface runs on one thread; this is the window of the event in hand.
QPointer<QWidget> handling;
}  // namespace

HandlingWindow::HandlingWindow(QWidget* widget) : previous_(handling) {
    handling = widget ? widget->window() : nullptr;
}

HandlingWindow::~HandlingWindow() { handling = previous_; }

QWidget* HandlingWindow::current() { return handling; }

QWidget* dialogParent() {
    if (handling && handling->isVisible()) return handling;
    QWidget* active = QApplication::activeWindow();
    return active && active->isVisible() ? active : nullptr;
}

}  // namespace tintara::ui::qt

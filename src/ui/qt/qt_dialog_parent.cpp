#include "ui/qt/qt_dialog_parent.h"

#include <QApplication>
#include <QScreen>
#include <algorithm>

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

void centreOn(QWidget& dialog, const QWidget* parent) {
    if (!parent) return;
    const QRect over = parent->window()->frameGeometry();
    QRect placed(QPoint(0, 0), dialog.frameGeometry().size());
    placed.moveCenter(over.center());
    if (const QScreen* screen = parent->window()->screen()) {
        const QRect area = screen->availableGeometry();
        placed.moveLeft(std::clamp(placed.left(), area.left(), std::max(area.left(), area.right() - placed.width())));
        placed.moveTop(std::clamp(placed.top(), area.top(), std::max(area.top(), area.bottom() - placed.height())));
    }
    dialog.move(placed.topLeft());
}

}  // namespace tintara::ui::qt

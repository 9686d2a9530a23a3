#include "ui/qt/qt_window_widget.h"

#include <QCloseEvent>

namespace tintara::ui::qt {

void WindowWidget::closeEvent(QCloseEvent* event) {
    if (!onClose || onClose())
        event->accept();
    else
        event->ignore();
}

}  // namespace tintara::ui::qt

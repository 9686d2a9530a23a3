#include "ui/qt/qt_window_widget.h"

#include <QCloseEvent>

#include "ui/qt/qt_dialog_parent.h"

namespace tintara::ui::qt {

void WindowWidget::closeEvent(QCloseEvent* event) {
    const HandlingWindow handling(this);
    if (!onClose || onClose())
        event->accept();
    else
        event->ignore();
}

}  // namespace tintara::ui::qt

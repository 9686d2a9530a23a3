#include "ui/qt/qt_menu_binding.h"

#include "ui/qt/qt_dialog_parent.h"
#include "ui/qt/qt_text.h"

namespace tintara::ui::qt {

MenuBinding::MenuBinding(MenuItem& item, QWidget& window) : item_(item) {
    if (!item.items().empty()) {
        menu_ = new QMenu(&window);
        action_ = menu_->menuAction();
    } else {
        action_ = new QAction(&window);
    }
    triggered_ = QObject::connect(action_, &QAction::triggered, action_, [this, &window] {
        const HandlingWindow handling(&window);
        item_.click();
        // Qt ticks a checkable item by itself; the model decides.
        if (action_) menuChanged(item_);
    });
    item_.setView(this);
    menuChanged(item_);
}

MenuBinding::~MenuBinding() {
    QObject::disconnect(triggered_);
    item_.setView(nullptr);
}

QAction* MenuBinding::action() const { return action_; }

void MenuBinding::menuChanged(const MenuItem& item) {
    if (!action_) return;
    action_->setSeparator(item.separator());
    action_->setText(toQString(item.caption()));
    action_->setVisible(item.visible());
    action_->setEnabled(item.enabled());
    action_->setCheckable(item.checked());
    action_->setChecked(item.checked());
}

}  // namespace tintara::ui::qt

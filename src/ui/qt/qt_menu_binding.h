// A menu item shown in a window's menu bar: an action, with a menu of its own
// when the item has a submenu. It follows the model's caption, visibility,
// enabled state and tick, and hands the person's choice to the model.
#pragma once

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include "ui/menu.h"

namespace tintara::ui::qt {

class MenuBinding : public MenuView {
public:
    // The action and menu belong to `window`, the window's top-level widget.
    MenuBinding(MenuItem& item, QWidget& window);
    ~MenuBinding() override;
    MenuBinding(const MenuBinding&) = delete;
    MenuBinding& operator=(const MenuBinding&) = delete;

    MenuItem& item() const { return item_; }
    // The action that stands for the item in its menu or in the menu bar.
    QAction* action() const;
    // The item's submenu; null for an item without one.
    QMenu* menu() const { return menu_; }

    void menuChanged(const MenuItem& item) override;

private:
    MenuItem& item_;
    QPointer<QMenu> menu_;
    QPointer<QAction> action_;
    QMetaObject::Connection triggered_;
};

}  // namespace tintara::ui::qt

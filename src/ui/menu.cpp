#include "ui/menu.h"

#include <utility>

namespace tintara::ui {

MenuItem::MenuItem(std::string name, std::string caption) : name_(std::move(name)), caption_(std::move(caption)) {}

void MenuItem::changed() {
    if (view_) view_->menuChanged(*this);
}

void MenuItem::setCaption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    changed();
}

void MenuItem::setVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    changed();
}

void MenuItem::setEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    changed();
}

void MenuItem::setChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    changed();
}

void MenuItem::add(MenuItem& item) {
    item.parent_ = this;
    items_.push_back(&item);
}

MenuItem* MenuItem::find(const std::string& name) {
    if (name_ == name) return this;
    for (MenuItem* item : items_)
        if (MenuItem* found = item->find(name)) return found;
    return nullptr;
}

bool MenuItem::reachable() const {
    for (const MenuItem* m = this; m; m = m->parent_)
        if (!m->visible_ || !m->enabled_) return false;
    return !separator();
}

void MenuItem::click() {
    if (reachable() && onClick) onClick();
}

}  // namespace tintara::ui

#include "ui/list_box.h"

#include <utility>

namespace tintara::ui {

ListBox::ListBox(std::string name, TwipRect rect) : Control(ControlKind::ListBox, std::move(name), rect) {}

void ListBox::addItem(std::string item) {
    items_.push_back(std::move(item));
    changed();
}

bool ListBox::removeItem(int index) {
    if (index < 0 || index >= listCount()) return false;
    items_.erase(items_.begin() + index);
    if (listIndex_ == index)
        listIndex_ = -1;
    else if (listIndex_ > index)
        --listIndex_;
    changed();
    return true;
}

void ListBox::clear() {
    items_.clear();
    listIndex_ = -1;
    changed();
}

bool ListBox::setListIndex(int index) {
    if (index < -1 || index >= listCount()) return false;
    if (listIndex_ == index) return true;
    listIndex_ = index;
    changed();
    return true;
}

void ListBox::choose(int index) {
    if (index < 0 || index >= listCount()) return;
    setListIndex(index);
    if (onClick) onClick();
}

}  // namespace tintara::ui

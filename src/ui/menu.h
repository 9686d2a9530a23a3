// Window menus: a menu bar of menus, each a list of items that may open
// submenus of their own. Captions mark the access key with "&" ("e&Xit"; "&&"
// is an ampersand) and a caption of "-" is a separator line.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tintara::ui {

class MenuItem;

// A backend's view of one menu item, told after every change of it.
class MenuView {
public:
    virtual ~MenuView() = default;
    virtual void menuChanged(const MenuItem& item) = 0;
};

class MenuItem {
public:
    MenuItem(std::string name, std::string caption);
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool separator() const { return caption_ == "-"; }

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool checked() const { return checked_; }
    void setChecked(bool checked);

    // Adds an item to this item's submenu.
    void add(MenuItem& item);
    const std::vector<MenuItem*>& items() const { return items_; }
    MenuItem* parent() const { return parent_; }
    // This item or one below it with the name; null when there is none.
    MenuItem* find(const std::string& name);

    // Whether a person can reach the item: it and every menu above it are
    // visible and enabled.
    bool reachable() const;
    // The person chooses the item: Click fires when it is reachable.
    void click();
    std::function<void()> onClick;

    void setView(MenuView* view) { view_ = view; }

private:
    void changed();
    std::string name_, caption_;
    bool visible_ = true, enabled_ = true, checked_ = false;
    std::vector<MenuItem*> items_;
    MenuItem* parent_ = nullptr;
    MenuView* view_ = nullptr;
};

}  // namespace tintara::ui

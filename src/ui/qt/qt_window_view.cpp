#include "ui/qt/qt_window_view.h"

#include <QVBoxLayout>

#include "ui/qt/qt_control_binding.h"
#include "ui/qt/qt_geometry.h"
#include "ui/qt/qt_menu_binding.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_timer_binding.h"
#include "ui/qt/qt_window_widget.h"

namespace tintara::ui::qt {

namespace {
// Grey text that stands apart from the background: darker on a light one,
// lighter on a dark one.
QColor disabledTextOn(const QColor& background) {
    return background.lightness() >= 128 ? QColor(112, 112, 112) : QColor(168, 168, 168);
}
}  // namespace

QtWindowView::QtWindowView(Window& window) : window_(window), widget_(std::make_unique<WindowWidget>()) {
    widget_->setObjectName(toQString(window.name()));
    widget_->setAutoFillBackground(true);
    client_ = new QWidget(widget_.get());
    auto* layout = new QVBoxLayout(widget_.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The window takes exactly the size of its menu bar and client area.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(client_);
    buildMenus();
    for (Control* control : window.controls())
        bindings_.push_back(std::make_unique<ControlBinding>(*control, *client_));
    // Containers are placed once all widgets exist, whatever the order of the list.
    for (const auto& binding : bindings_) {
        if (Control* container = binding->control().container())
            if (QWidget* holder = widgetFor(*container)) binding->placeIn(*holder);
    }
    for (Timer* timer : window.timers()) timers_.push_back(std::make_unique<TimerBinding>(*timer, *widget_));
    widget_->onClose = [this] {
        window_.close();
        return !window_.visible();
    };
    frontRequestsSeen_ = window.frontRequests();
    window_.setView(this);
    windowChanged(window_);
}

QtWindowView::~QtWindowView() {
    window_.setView(nullptr);
    timers_.clear();
    widget_.reset();  // takes every control widget, menu and action with it
    bindings_.clear();
    menus_.clear();
}

void QtWindowView::buildMenus() {
    if (window_.menus().empty()) return;
    menuBar_ = new QMenuBar(widget_.get());
    // The menu bar belongs to the window on every platform, never to a global menu.
    menuBar_->setNativeMenuBar(false);
    widget_->layout()->setMenuBar(menuBar_);
    for (MenuItem* menu : window_.menus()) addMenuItem(*menu, nullptr);
}

void QtWindowView::addMenuItem(MenuItem& item, QMenu* into) {
    menus_.push_back(std::make_unique<MenuBinding>(item, *widget_));
    MenuBinding& binding = *menus_.back();
    if (into)
        into->addAction(binding.action());
    else
        menuBar_->addAction(binding.action());
    for (MenuItem* child : item.items()) addMenuItem(*child, binding.menu());
}

QWidget& QtWindowView::widget() const { return *widget_; }

QWidget* QtWindowView::widgetFor(const Control& control) const {
    for (const auto& binding : bindings_)
        if (&binding->control() == &control) return binding->widget();
    return nullptr;
}

QAction* QtWindowView::actionFor(const MenuItem& item) const {
    for (const auto& binding : menus_)
        if (&binding->item() == &item) return binding->action();
    return nullptr;
}

void QtWindowView::windowChanged(const Window& window) {
    widget_->setWindowTitle(toQString(window.caption()));
    QPalette palette = widget_->palette();
    palette.setColor(QPalette::Window, toQColor(window.background()));
    // The style's grey for disabled captions vanishes on a grey window: a
    // darker one keeps a disabled check box or option button legible.
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledTextOn(toQColor(window.background())));
    widget_->setPalette(palette);
    const QSize client(pixels(window.clientWidth()), pixels(window.clientHeight()));
    if (client_->size() != client || client_->minimumSize() != client) {
        client_->setFixedSize(client);
        widget_->layout()->activate();
    }
    if (window.visible() && !widget_->isVisible()) {
        widget_->show();
        // A window shown again comes to the front, as on its first showing.
        if (shownBefore_) {
            widget_->raise();
            widget_->activateWindow();
        }
        shownBefore_ = true;
    } else if (!window.visible() && widget_->isVisible()) {
        widget_->hide();
    }
    if (window.frontRequests() != frontRequestsSeen_) {
        frontRequestsSeen_ = window.frontRequests();
        widget_->raise();
        widget_->activateWindow();
    }
}

}  // namespace tintara::ui::qt

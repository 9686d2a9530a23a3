#include "ui/qt/qt_window_view.h"

#include "ui/qt/qt_control_binding.h"
#include "ui/qt/qt_geometry.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_window_widget.h"

namespace tintara::ui::qt {

QtWindowView::QtWindowView(Window& window) : window_(window), widget_(std::make_unique<WindowWidget>()) {
    widget_->setObjectName(toQString(window.name()));
    widget_->setFixedSize(pixels(window.clientWidth()), pixels(window.clientHeight()));
    widget_->setAutoFillBackground(true);
    for (Control* control : window.controls())
        bindings_.push_back(std::make_unique<ControlBinding>(*control, *widget_));
    // Containers are placed once all widgets exist, whatever the order of the list.
    for (const auto& binding : bindings_) {
        if (Control* container = binding->control().container())
            if (QWidget* holder = widgetFor(*container)) binding->placeIn(*holder);
    }
    widget_->onClose = [this] {
        window_.close();
        return !window_.visible();
    };
    window_.setView(this);
    windowChanged(window_);
}

QtWindowView::~QtWindowView() {
    window_.setView(nullptr);
    widget_.reset();  // takes every control widget with it
    bindings_.clear();
}

QWidget& QtWindowView::widget() const { return *widget_; }

QWidget* QtWindowView::widgetFor(const Control& control) const {
    for (const auto& binding : bindings_)
        if (&binding->control() == &control) return binding->widget();
    return nullptr;
}

void QtWindowView::windowChanged(const Window& window) {
    widget_->setWindowTitle(toQString(window.caption()));
    QPalette palette = widget_->palette();
    palette.setColor(QPalette::Window, toQColor(window.background()));
    widget_->setPalette(palette);
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
}

}  // namespace tintara::ui::qt

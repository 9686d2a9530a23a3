// Binds one control model to its widget, both ways: the model's changes reach
// the widget through modelChanged, the person's actions on the widget reach
// the model through fromWidget.
#pragma once

#include <QFont>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

#include "ui/control.h"

namespace tintara::ui::qt {

class ControlBinding : public ControlView {
public:
    // Creates the widget inside `parent` and becomes the model's view. The
    // binding must be destroyed before the model.
    ControlBinding(Control& control, QWidget& parent);
    ~ControlBinding() override;
    ControlBinding(const ControlBinding&) = delete;
    ControlBinding& operator=(const ControlBinding&) = delete;

    Control& control() const { return control_; }
    QWidget* widget() const { return widget_; }

    // Moves the widget into its container's widget (a frame or picture box).
    void placeIn(QWidget& container);

    void modelChanged(const Control& control) override;

    // Runs what the person did on the widget against the model, then brings the
    // widget back to what the model kept (a refused value, a radio clicked twice).
    void fromWidget(const std::function<void()>& change);

    // Shows the text box model's selection in its line edit.
    void showSelection();

private:
    void applyFont();
    Control& control_;
    QPointer<QWidget> widget_;
    bool fromWidget_ = false;
    std::optional<Font> modelFont_;
    QFont baseFont_;
};

}  // namespace tintara::ui::qt

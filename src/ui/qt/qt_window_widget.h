// The top-level widget of a window: its client area, and the frame's close
// button handed to the window logic.
#pragma once

#include <QWidget>
#include <functional>

namespace tintara::ui::qt {

class WindowWidget : public QWidget {
public:
    WindowWidget() = default;

    // Called when the person closes the window with its frame; the window
    // closes only when this returns true.
    std::function<bool()> onClose;

protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace tintara::ui::qt

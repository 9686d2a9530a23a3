#include "ui/qt/qt_control_binding.h"

#include <QLineEdit>

#include "ui/controls.h"
#include "ui/qt/qt_caption_fit.h"
#include "ui/qt/qt_dialog_parent.h"
#include "ui/qt/qt_fonts.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_widget_factory.h"
#include "ui/qt/qt_widget_signals.h"
#include "ui/qt/qt_widget_sync.h"

namespace tintara::ui::qt {

ControlBinding::ControlBinding(Control& control, QWidget& parent)
    : control_(control), widget_(createWidget(control, parent)) {
    connectWidget(control_, *widget_, *this);
    control_.setView(this);
    modelChanged(control_);
}

ControlBinding::~ControlBinding() {
    control_.setView(nullptr);
    delete widget_.data();
}

void ControlBinding::placeIn(QWidget& container) {
    if (!widget_) return;
    widget_->setParent(&container);  // hides the widget; the sync shows it again
    modelChanged(control_);
}

void ControlBinding::modelChanged(const Control&) {
    if (!widget_) return;
    applyFont();
    syncWidget(control_, *widget_);
    // While the person types, the caret is the widget's; the model follows it.
    if (control_.kind() == ControlKind::TextBox && !fromWidget_) showSelection();
}

void ControlBinding::fromWidget(const std::function<void()>& change) {
    const HandlingWindow handling(widget_);
    const bool outer = fromWidget_;
    fromWidget_ = true;
    change();
    fromWidget_ = outer;
    modelChanged(control_);
}

void ControlBinding::showSelection() {
    auto* edit = qobject_cast<QLineEdit*>(widget_.data());
    if (!edit || control_.kind() != ControlKind::TextBox) return;
    const auto& box = static_cast<const TextBox&>(control_);
    // Model positions count bytes of UTF-8; the widget's count UTF-16 units.
    const std::string& text = box.text();
    const auto units = [&](int bytes) { return int(toQString(text.substr(0, std::size_t(bytes))).size()); };
    const int start = units(box.selStart());
    const int length = units(box.selStart() + box.selLength()) - start;
    const int shownStart = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const int shownLength = int(edit->selectedText().size());
    if (start == shownStart && length == shownLength) return;
    const QSignalBlocker blocker(edit);
    edit->setSelection(start, length);
}

void ControlBinding::applyFont() {
    const Font& font = control_.font();
    if (!modelFont_ || modelFont_->family != font.family || modelFont_->points != font.points ||
        modelFont_->bold != font.bold) {
        modelFont_ = font;
        baseFont_ = toQFont(font);
    }
    const QFont shown = fittedFont(control_, *widget_, baseFont_);
    if (widget_->font() != shown) widget_->setFont(shown);
}

}  // namespace tintara::ui::qt

#include "ui/controls.h"

#include <algorithm>
#include <utility>

namespace tintara::ui {

Label::Label(std::string name, TwipRect rect, std::string caption)
    : Control(ControlKind::Label, std::move(name), rect), caption_(std::move(caption)) {}

void Label::setCaption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    changed();
}

Frame::Frame(std::string name, TwipRect rect, std::string caption)
    : Control(ControlKind::Frame, std::move(name), rect), caption_(std::move(caption)) {}

TextBox::TextBox(std::string name, TwipRect rect, std::string text)
    : Control(ControlKind::TextBox, std::move(name), rect), text_(std::move(text)) {}

void TextBox::setText(std::string text) {
    if (text_ == text) return;
    text_ = std::move(text);
    selStart_ = std::min<int>(selStart_, int(text_.size()));
    selLength_ = std::min<int>(selLength_, int(text_.size()) - selStart_);
    changed();
    if (onChange) onChange();
}

void TextBox::select(int start, int length) {
    const int size = int(text_.size());
    selStart_ = std::clamp(start, 0, size);
    selLength_ = std::clamp(length, 0, size - selStart_);
    changed();
}

void TextBox::gotFocus() {
    if (selectAllOnFocus) select(0, int(text_.size()));
    if (onGotFocus) onGotFocus();
}

void TextBox::keyDown(int keyCode, int shift) {
    if (onKeyDown) onKeyDown(keyCode, shift);
}

void TextBox::type(const std::string& characters) {
    gotFocus();
    for (char c : characters) {
        std::string next = text_.substr(0, selStart_) + c + text_.substr(selStart_ + selLength_);
        const int caret = selStart_ + 1;
        selStart_ = 0;
        selLength_ = 0;
        setText(std::move(next));
        selStart_ = std::min<int>(caret, int(text_.size()));
    }
}

Button::Button(std::string name, TwipRect rect, std::string caption)
    : Control(ControlKind::Button, std::move(name), rect), caption_(std::move(caption)) {}

void Button::setCaption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    changed();
}

void Button::click() {
    if (enabled() && onClick) onClick();
}

CheckBox::CheckBox(std::string name, TwipRect rect, std::string caption)
    : Control(ControlKind::CheckBox, std::move(name), rect), caption_(std::move(caption)) {}

void CheckBox::setValue(int value) {
    if (value_ == value) return;
    value_ = value;
    changed();
    if (onClick) onClick();
}

OptionButton::OptionButton(std::string name, TwipRect rect, std::string caption)
    : Control(ControlKind::OptionButton, std::move(name), rect), caption_(std::move(caption)) {}

void OptionButton::setValue(bool value) {
    if (value_ == value) return;
    value_ = value;
    changed();
}

void OptionButton::select() {
    for (OptionButton* other : group_)
        if (other != this) other->setValue(false);
    setValue(true);
    if (onClick) onClick();
}

ScrollBar::ScrollBar(std::string name, TwipRect rect, Orientation orientation, int top, int bottom, int value,
                     int smallChange, int largeChange)
    : Control(ControlKind::ScrollBar, std::move(name), rect),
      orientation_(orientation),
      top_(top),
      bottom_(bottom),
      value_(value),
      smallChange_(smallChange),
      largeChange_(largeChange) {}

bool ScrollBar::inRange(int value) const {
    return value >= std::min(top_, bottom_) && value <= std::max(top_, bottom_);
}

bool ScrollBar::setValue(int value) {
    if (!inRange(value)) return false;
    if (value_ == value) return true;
    value_ = value;
    changed();
    if (onChange) onChange();
    return true;
}

ComboBox::ComboBox(std::string name, TwipRect rect, std::string text)
    : Control(ControlKind::ComboBox, std::move(name), rect), text_(std::move(text)) {}

void ComboBox::setText(std::string text) {
    if (text_ == text) return;
    text_ = std::move(text);
    changed();
}

void ComboBox::addItem(std::string item) {
    items_.push_back(std::move(item));
    changed();
}

void ComboBox::clear() {
    items_.clear();
    changed();
}

void ComboBox::choose(int index) {
    if (index < 0 || index >= int(items_.size())) return;
    setText(items_[index]);
    if (onClick) onClick();
}

void ComboBox::choose(const std::string& item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it != items_.end()) choose(int(it - items_.begin()));
}

}  // namespace tintara::ui

// The control models the windows are made of. Each keeps the behaviour the
// window logic relies on in every backend: a text box's Change fires on every
// change of its text, a scroll bar's Change only when its value changes and a
// value outside its range is refused, setting a check box or selecting an option
// button from code raises its Click like a user's click.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace tintara::ui {

inline constexpr int keyEnter = 13;

class Label : public Control {
public:
    Label(std::string name, TwipRect rect, std::string caption = {});
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool wordWrap = false;

private:
    std::string caption_;
};

class Frame : public Control {
public:
    Frame(std::string name, TwipRect rect, std::string caption = {});
    const std::string& caption() const { return caption_; }

private:
    std::string caption_;
};

class TextBox : public Control {
public:
    TextBox(std::string name, TwipRect rect, std::string text = {});

    const std::string& text() const { return text_; }
    // Change fires when the text differs from what the box held.
    void setText(std::string text);

    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    void select(int start, int length);

    // The box gains the focus; boxes that ask for it select their whole text.
    void gotFocus();
    void keyDown(int keyCode, int shift = 0);

    // What a person does: focus the box, type the characters one by one over the
    // selection (a Change for each), and, for enter(), press Enter.
    void type(const std::string& characters);
    void enter(const std::string& characters) {
        type(characters);
        keyDown(keyEnter);
    }

    bool selectAllOnFocus = false;
    std::function<void()> onChange;
    std::function<void()> onGotFocus;
    std::function<void(int keyCode, int shift)> onKeyDown;

private:
    std::string text_;
    int selStart_ = 0, selLength_ = 0;
};

class Button : public Control {
public:
    Button(std::string name, TwipRect rect, std::string caption);
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    void click();
    std::function<void()> onClick;

private:
    std::string caption_;
};

class CheckBox : public Control {
public:
    CheckBox(std::string name, TwipRect rect, std::string caption);
    const std::string& caption() const { return caption_; }
    int value() const { return value_; }
    bool ticked() const { return value_ == 1; }
    // Click fires when the value changes, from code or from a click.
    void setValue(int value);
    void click() { setValue(value_ == 1 ? 0 : 1); }
    std::function<void()> onClick;

private:
    std::string caption_;
    int value_ = 0;
};

class OptionButton : public Control {
public:
    OptionButton(std::string name, TwipRect rect, std::string caption);
    const std::string& caption() const { return caption_; }
    bool value() const { return value_; }
    // Selects this button, clears the others of its group and raises Click.
    void select();
    void setGroup(std::vector<OptionButton*> group) { group_ = std::move(group); }
    std::function<void()> onClick;

private:
    void setValue(bool value);
    std::string caption_;
    bool value_ = false;
    std::vector<OptionButton*> group_;
};

enum class Orientation { Vertical, Horizontal };

class ScrollBar : public Control {
public:
    // `top` is the value at the top (or left) end and may be the larger number.
    ScrollBar(std::string name, TwipRect rect, Orientation orientation, int top, int bottom, int value,
              int smallChange = 1, int largeChange = 1);

    Orientation orientation() const { return orientation_; }
    int top() const { return top_; }
    int bottom() const { return bottom_; }
    int value() const { return value_; }
    int smallChange() const { return smallChange_; }
    int largeChange() const { return largeChange_; }
    bool inRange(int value) const;
    // Returns false and leaves the bar where it is for a value outside the range;
    // Change fires only when the value changes.
    bool setValue(int value);
    std::function<void()> onChange;

private:
    Orientation orientation_;
    int top_, bottom_, value_, smallChange_, largeChange_;
};

class ComboBox : public Control {
public:
    ComboBox(std::string name, TwipRect rect, std::string text = {});
    const std::string& text() const { return text_; }
    void setText(std::string text);
    const std::vector<std::string>& items() const { return items_; }
    void addItem(std::string item);
    void clear();
    // The user picks an entry of the list: its text becomes the box's, Click fires.
    void choose(int index);
    void choose(const std::string& item);
    std::function<void()> onClick;

private:
    std::string text_;
    std::vector<std::string> items_;
};

}  // namespace tintara::ui

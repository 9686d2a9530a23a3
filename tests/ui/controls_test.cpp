// The control semantics every window relies on, whichever backend shows it.
// Picture boxes read by twips are pinned by the Hue page's tests, the
// headless dialogs and clock by every window test that scripts them.
#include <gtest/gtest.h>

#include "ui/controls.h"
#include "ui/headless/headless_platform.h"

namespace tintara::ui {

TEST(ScrollBarTest, ChangeFiresOnlyOnANewValueAndRefusesValuesOutsideItsRange) {
    ScrollBar bar("VScroll1", {}, Orientation::Vertical, 202, 0, 0);
    int changes = 0;
    bar.onChange = [&] { ++changes; };
    EXPECT_TRUE(bar.setValue(11));
    EXPECT_TRUE(bar.setValue(11));
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(bar.setValue(203));
    EXPECT_FALSE(bar.setValue(-1));
    EXPECT_EQ(bar.value(), 11);
    EXPECT_TRUE(bar.setValue(202));
    EXPECT_TRUE(bar.setValue(0));
    EXPECT_EQ(changes, 3);
}

// Typing, Enter and the list's clicks through real widgets are the Qt binding
// tests'; here, what the model alone decides.
TEST(TextBoxTest, TypingReplacesTheSelectionAndTheSameTextRaisesNoChange) {
    TextBox box("Text3", {}, "old");
    box.selectAllOnFocus = true;
    std::vector<std::string> seen;
    box.onChange = [&] { seen.push_back(box.text()); };
    box.type("kq");
    box.setText("kq");
    EXPECT_EQ(seen, (std::vector<std::string>{"k", "kq"}));
}

TEST(ChoiceControlsTest, CodeRaisesClickLikeAPersonButNotForNothing) {
    CheckBox check("Check2", {}, "Display Hue Page");
    int clicks = 0;
    check.onClick = [&] { ++clicks; };
    check.setValue(1);
    check.setValue(1);
    check.click();
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(check.ticked());
    ComboBox combo("Combo1", {}, "Inst");
    combo.addItem("CE7000");
    combo.choose("CE7000");
    combo.choose(7);
    EXPECT_EQ(combo.text(), "CE7000");
}

}  // namespace tintara::ui

// The control semantics every window relies on, whichever backend shows it.
#include <gtest/gtest.h>

#include "ui/controls.h"
#include "ui/headless/headless_platform.h"
#include "ui/picture.h"

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

TEST(TextBoxTest, TypingReplacesTheSelectionOneCharacterAtATime) {
    TextBox box("Text3", {}, "old");
    box.selectAllOnFocus = true;
    std::vector<std::string> seen;
    box.onChange = [&] { seen.push_back(box.text()); };
    box.type("kqv");
    EXPECT_EQ(box.text(), "kqv");
    EXPECT_EQ(seen, (std::vector<std::string>{"k", "kq", "kqv"}));
    box.setText("kqv");  // the same text: no Change
    EXPECT_EQ(seen.size(), 3u);
    int enters = 0;
    box.onKeyDown = [&](int key, int) { enters += key == keyEnter; };
    box.enter("2.5");
    EXPECT_EQ(box.text(), "2.5");
    EXPECT_EQ(enters, 1);
}

TEST(ChoiceControlsTest, CodeRaisesClickLikeAPerson) {
    CheckBox check("Check2", {}, "Display Hue Page");
    int clicks = 0;
    check.onClick = [&] { ++clicks; };
    check.setValue(1);
    check.setValue(1);
    check.click();
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(check.ticked());

    OptionButton a("Option1(0)", {}, "C 1931"), b("Option1(1)", {}, "D5000");
    a.setGroup({&a, &b});
    b.setGroup({&a, &b});
    int bClicks = 0;
    b.onClick = [&] { ++bClicks; };
    a.select();
    b.select();
    EXPECT_FALSE(a.value());
    EXPECT_TRUE(b.value());
    EXPECT_EQ(bClicks, 1);

    ComboBox combo("Combo1", {}, "Inst");
    combo.addItem("Import");
    combo.addItem("CE7000");
    std::string picked;
    combo.onClick = [&] { picked = combo.text(); };
    combo.choose("CE7000");
    EXPECT_EQ(picked, "CE7000");
    combo.choose(7);
    EXPECT_EQ(combo.text(), "CE7000");
}

TEST(SurfaceTest, FillsBordersAndReadsBackPixelsByTwips) {
    PictureBox picture("Picture1", {0, 0, 150, 150}, lightGrey);
    ASSERT_EQ(picture.surface().width(), 10);
    picture.surface().fillRect(2, 2, 6, 6, Rgb{10, 20, 30}, BorderStyle::Dotted, black);
    Rgb c;
    ASSERT_TRUE(picture.colorAt(4 * 15 + 7, 4 * 15, c));
    EXPECT_EQ(c, (Rgb{10, 20, 30}));
    ASSERT_TRUE(picture.colorAt(2 * 15, 2 * 15, c));
    EXPECT_EQ(c, black);
    ASSERT_TRUE(picture.colorAt(3 * 15, 2 * 15, c));  // the gap of a dotted edge
    EXPECT_EQ(c, (Rgb{10, 20, 30}));
    EXPECT_FALSE(picture.colorAt(150, 0, c));
    EXPECT_EQ(colorValue(Rgb{255, 120, 40}), 255u + 120u * 256u + 40u * 65536u);
    EXPECT_EQ(fromColorValue(colorValue(Rgb{1, 2, 3})), (Rgb{1, 2, 3}));
}

TEST(HeadlessPlatformTest, ScriptedAnswersAndAClockThatWrapsAtMidnight) {
    HeadlessPlatform headless;
    headless.dialogs.answerMessage(Answer::Cancel);
    Dialogs& dialogs = headless.dialogs;
    EXPECT_EQ(dialogs.messageBox("Open Port", MessageButtons::YesNoCancel), Answer::Cancel);
    EXPECT_EQ(dialogs.messageBox("White Standard", MessageButtons::YesNoCancel), Answer::Yes);
    EXPECT_FALSE(dialogs.inputBox("Type import").has_value());
    headless.clock.set(86399.5);
    headless.clock.advanceOnRead(0.4);
    EXPECT_DOUBLE_EQ(headless.clock.secondsSinceMidnight(), 86399.5);
    EXPECT_DOUBLE_EQ(headless.clock.secondsSinceMidnight(), 86399.9);
    EXPECT_NEAR(headless.clock.secondsSinceMidnight(), 0.3, 1e-9);
    int ran = 0;
    headless.events.queue([&] { ++ran; });
    headless.events.doEvents();
    headless.events.doEvents();
    EXPECT_EQ(ran, 1);
}

}  // namespace tintara::ui

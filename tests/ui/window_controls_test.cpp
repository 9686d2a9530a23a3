// List boxes, menus and timers: the semantics the windows rely on.
#include <gtest/gtest.h>

#include "ui/headless/headless_timers.h"
#include "ui/list_box.h"
#include "ui/window.h"

namespace tintara::ui {
namespace {

// Code and a person selecting, and clearing, are the Qt binding tests'; here,
// the refusals and the selection that follows its entry.
TEST(ListBoxTest, RefusesWhatIsNotThereAndTheSelectionFollowsItsEntry) {
    ListBox list("List1", {});
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    for (const char* item : {"1    red", "2    green", "3    blue"}) list.addItem(item);
    EXPECT_TRUE(list.setListIndex(2));
    EXPECT_FALSE(list.setListIndex(3));  // just past the end: refused, selection kept
    EXPECT_FALSE(list.setListIndex(-2));
    EXPECT_EQ(list.listIndex(), 2);
    list.choose(3);  // nothing there to choose
    EXPECT_EQ(clicks, 0);
    // Removing an entry above the selection moves it up with its entry.
    ASSERT_TRUE(list.removeItem(0));
    EXPECT_EQ(list.listIndex(), 1);
    EXPECT_EQ(list.items()[1], "3    blue");
    ASSERT_TRUE(list.removeItem(1));
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_FALSE(list.removeItem(1));
}

class MenuWindow : public Window {
public:
    MenuWindow() : Window("Form2", "Munsell Notation Picture Analysis", 15045, 11220, lightGrey) {
        file.add(load);
        file.add(line);
        file.add(exit);
        options.add(displayMode);
        displayMode.add(mouseClick);
        displayMode.add(continuous);
        addMenu(file);
        addMenu(options);
        addMenu(makePalette);
    }
    MenuItem file{"mnuFile", "&File"}, load{"mnuLoad", "&Load Picture"}, line{"mnuLine", "-"}, exit{"mnuExit", "e&Xit"};
    MenuItem options{"mnuOptions", "&Options"}, displayMode{"mnuDisplayMode", "&Display Mode "},
        mouseClick{"mnuClick", "&Mouse Click"}, continuous{"mnuContinuous", "&Continuous at Mouse Position"};
    MenuItem makePalette{"mnuMakePalette", "&Make Palette of Image"};
};

TEST(MenuTest, ItemsClickOnlyWhenAPersonCanReachThem) {
    MenuWindow w;
    EXPECT_EQ(w.findMenu("mnuContinuous"), &w.continuous);  // two levels down
    EXPECT_EQ(w.findMenu("mnuNothing"), nullptr);
    EXPECT_EQ(w.continuous.parent(), &w.displayMode);
    int clicks = 0;
    w.continuous.onClick = [&] { ++clicks; };
    w.continuous.click();
    EXPECT_EQ(clicks, 1);
    w.options.setEnabled(false);  // a disabled menu above closes the way
    w.continuous.click();
    w.options.setEnabled(true);
    w.displayMode.setVisible(false);
    w.continuous.click();
    EXPECT_EQ(clicks, 1);
    w.displayMode.setVisible(true);
    w.continuous.click();
    EXPECT_EQ(clicks, 2);

    EXPECT_TRUE(w.line.separator());
    EXPECT_FALSE(w.line.reachable());
}

class TimerWindow : public Window {
public:
    TimerWindow() : Window("Form3", "3D Munsell Palette Viewer", 13800, 8400, lightGrey) {
        addTimer(rotation);
        addTimer(redraw);
    }
    Timer rotation{"Timer1", 1}, redraw{"Timer2", 10};
};

// Ticks in order, a new interval set by a handler and a stop are the palette
// viewer's display tests'; here, interval 0, the clock and a restart.
TEST(TimerTest, IntervalZeroStopsAndARestartCountsFromThen) {
    TimerWindow w;
    HeadlessClock clock;
    clock.set(100);
    HeadlessTimers timers(w, &clock);
    w.rotation.setInterval(4);
    timers.advance(10);
    EXPECT_EQ(timers.ticks(w.rotation), 2);  // 4, 8
    EXPECT_EQ(timers.ticks(w.redraw), 1);    // 10
    EXPECT_DOUBLE_EQ(clock.secondsSinceMidnight(), 100.010);
    w.rotation.setEnabled(false);
    w.redraw.setInterval(0);
    timers.advance(30);
    EXPECT_EQ(timers.ticks(w.rotation), 2);
    EXPECT_EQ(timers.ticks(w.redraw), 1);
    w.rotation.setEnabled(true);  // counts its 4 ms from 40: 44
    timers.advance(3);
    EXPECT_EQ(timers.ticks(w.rotation), 2);
    timers.advance(1);
    EXPECT_EQ(timers.ticks(w.rotation), 3);
}

TEST(TimerTest, AHandlerStillRunningIsNotEnteredAgain) {
    TimerWindow w;
    HeadlessTimers timers(w);
    int depth = 0, deepest = 0, redraws = 0;
    // The redraw lets events run, and 25 ms pass meanwhile.
    w.redraw.onTimer = [&] {
        ++redraws;
        deepest = std::max(deepest, ++depth);
        if (redraws == 1) timers.advance(25);
        --depth;
    };
    w.rotation.setEnabled(false);
    timers.advance(10);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(redraws, 1);  // the ticks at 20 and 30 came while it ran and were dropped
    timers.advance(5);      // 40
    EXPECT_EQ(redraws, 2);
    EXPECT_FALSE(w.redraw.busy());
    w.redraw.setEnabled(false);
    EXPECT_FALSE(w.redraw.fire());  // a stopped timer does not fire
}

TEST(WindowTest, ClientSizeIsNeverNegative) {
    TimerWindow w;
    w.setClientSize(-1, 20);
    EXPECT_EQ(w.clientWidth(), 0);
    EXPECT_EQ(w.clientHeight(), 20);
}

}  // namespace
}  // namespace tintara::ui

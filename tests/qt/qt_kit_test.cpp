// The controls the companion windows are built from, on real widgets: the menu
// bar above the client area, the list box both ways, timers that are not
// entered again, windows and picture boxes that change size, and a picture of
// it all.
#include <gtest/gtest.h>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "qt/kit_window.h"
#include "qt/screenshot.h"
#include "ui/qt/qt_text_renderer.h"
#include "ui/qt/qt_window_view.h"

namespace tintara::ui::qt {
namespace {

class QtKit : public ::testing::Test {
protected:
    void SetUp() override {
        window.drawChart(text);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view.widget()));
    }
    QListWidget* list() { return qobject_cast<QListWidget*>(view.widgetFor(window.list)); }

    KitWindow window;
    QtWindowView view{window};
    QtTextRenderer text;
};

TEST_F(QtKit, TheMenuBarStandsAboveTheClientAreaAndTheWindowGrowsByIt) {
    QMenuBar* bar = view.menuBar();
    ASSERT_NE(bar, nullptr);
    const int barHeight = bar->height();
    EXPECT_GT(barHeight, 10);
    EXPECT_EQ(view.client().geometry(), QRect(0, barHeight, 600, 400));  // 9000 x 6000 twips
    EXPECT_EQ(view.widget().size(), QSize(600, 400 + barHeight));
    EXPECT_EQ(view.widgetFor(window.picture)->parentWidget(), &view.client());

    // The window's own size follows the model, menu bar kept.
    window.setClientSize(9750, 7350);
    EXPECT_EQ(view.widget().size(), QSize(650, 490 + barHeight));
}

TEST_F(QtKit, MenusFollowTheModelAndHandTheChoiceOver) {
    QAction* open = view.actionFor(window.open);
    QAction* follow = view.actionFor(window.follow);
    ASSERT_TRUE(open && follow);
    EXPECT_EQ(view.menuBar()->actions().size(), 3);
    EXPECT_EQ(view.menuBar()->actions()[0]->text(), QStringLiteral("&File"));
    EXPECT_TRUE(view.actionFor(window.line)->isSeparator());
    EXPECT_TRUE(view.actionFor(window.click)->isChecked());
    // The submenu holds the two display modes.
    QMenu* mode = view.actionFor(window.mode)->menu();
    ASSERT_NE(mode, nullptr);
    EXPECT_EQ(mode->actions().size(), 2);

    int opened = 0;
    window.open.onClick = [&] { ++opened; };
    window.follow.onClick = [&] {
        window.follow.setChecked(true);
        window.click.setChecked(false);
    };
    open->trigger();
    follow->trigger();
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(follow->isChecked());
    EXPECT_FALSE(view.actionFor(window.click)->isChecked());
    // A tick the model does not take is not shown either.
    window.click.onClick = [] {};
    view.actionFor(window.click)->trigger();
    EXPECT_FALSE(view.actionFor(window.click)->isChecked());

    window.open.setVisible(false);
    window.exit.setEnabled(false);
    window.exit.setCaption("&Close");
    EXPECT_FALSE(open->isVisible());
    EXPECT_FALSE(view.actionFor(window.exit)->isEnabled());
    EXPECT_EQ(view.actionFor(window.exit)->text(), QStringLiteral("&Close"));
    open->trigger();  // hidden: a person cannot choose it
    EXPECT_EQ(opened, 1);
}

TEST_F(QtKit, TheListBoxBothWays) {
    ASSERT_NE(list(), nullptr);
    EXPECT_EQ(list()->count(), 12);
    int clicks = 0;
    window.list.onClick = [&] { ++clicks; };
    window.list.setListIndex(9);  // code: shown, no Click
    EXPECT_EQ(list()->currentRow(), 9);
    EXPECT_EQ(clicks, 0);

    const QRect third = list()->visualItemRect(list()->item(2));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, third.center());
    EXPECT_EQ(window.list.listIndex(), 2);
    EXPECT_EQ(clicks, 1);
    QTest::keyClick(list(), Qt::Key_Down);  // the keyboard selects too
    EXPECT_EQ(window.list.listIndex(), 3);
    EXPECT_EQ(clicks, 2);

    // A long palette is appended entry by entry; a new list replaces the old.
    for (int i = 13; i <= 3000; ++i) window.list.addItem(std::to_string(i));
    EXPECT_EQ(list()->count(), 3000);
    EXPECT_EQ(list()->item(2999)->text(), QStringLiteral("3000"));
    window.list.clear();
    window.list.addItem("1    again");
    EXPECT_EQ(list()->count(), 1);
    EXPECT_EQ(list()->currentRow(), -1);
    EXPECT_EQ(clicks, 2);
}

TEST_F(QtKit, ATimerHandlerThatLetsEventsRunIsNotEnteredAgain) {
    int ticks = 0, depth = 0, deepest = 0;
    window.redraw.onTimer = [&] {
        ++ticks;
        deepest = std::max(deepest, ++depth);
        if (ticks == 1) QTest::qWait(60);  // six intervals pass while it runs, events with them
        --depth;
    };
    window.redraw.setEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 5000));
    window.redraw.setEnabled(false);
    EXPECT_EQ(deepest, 1);
    const int stopped = ticks;
    QTest::qWait(40);
    EXPECT_EQ(ticks, stopped);
}

TEST_F(QtKit, PictureBoxesFollowTheirNewSize) {
    window.picture.setRect({120, 480, 3000, 1500});
    EXPECT_EQ(view.widgetFor(window.picture)->geometry(), QRect(8, 32, 200, 100));
    EXPECT_EQ(window.picture.surface().width(), 200);
    window.picture.setPicture(Image(320, 240, Rgb{10, 200, 30}));
    EXPECT_EQ(view.widgetFor(window.picture)->size(), QSize(320, 240));
    const QImage shot = view.client().grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(8 + 319, 32 + 239)), QColor(10, 200, 30));
}

TEST_F(QtKit, ScreenshotShowsEveryControl) {
    auto* rotate = qobject_cast<QPushButton*>(view.widgetFor(window.rotate));
    auto* rotation = qobject_cast<QScrollBar*>(view.widgetFor(window.rotation));
    ASSERT_TRUE(rotate && rotation);
    EXPECT_EQ(rotation->orientation(), Qt::Horizontal);
    rotation->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(window.rotation.value(), 20);
    window.list.setListIndex(4);
    const QImage shot = screenshot(view.widget(), "kit_window");
    const int top = view.menuBar()->height();
    // The yellow status line below its text, and the picture's background.
    const QImage client = view.client().grab().toImage();
    EXPECT_EQ(QColor(client.pixel(6000 / 15 + 10, 3600 / 15 + 16)), QColor(255, 255, 0));
    EXPECT_EQ(QColor(client.pixel(8 + 2, 32 + 290)), QColor(224, 224, 224));
    EXPECT_EQ(shot.height(), 400 + top);

    // A click on the chart arrives in its own units: the picture's middle is
    // the origin, and y grows upwards.
    std::vector<std::pair<float, float>> clicks;
    window.picture.onMouseDown = [&](MouseButton, int, float x, float y) { clicks.emplace_back(x, y); };
    QTest::mouseClick(view.widgetFor(window.picture), Qt::LeftButton, {}, QPoint(190, 150));
    QTest::mouseClick(view.widgetFor(window.picture), Qt::LeftButton, {}, QPoint(285, 75));
    EXPECT_EQ(clicks, (std::vector<std::pair<float, float>>{{0.0f, 0.0f}, {10.0f, 10.0f}}));
}

}  // namespace
}  // namespace tintara::ui::qt

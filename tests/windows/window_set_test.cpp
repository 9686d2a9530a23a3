// The window set, with stand-in windows where the companion windows will be:
// each made once, shown and hidden by the main window's switches, closed with
// its frame, and reported missing while it is not part of this version.
#include "windows/window_set.h"

#include <gtest/gtest.h>

#include "workspace/main_window_fixture.h"

namespace tintara::testkit {
namespace {

using windows::WindowSet;
using workspace::Companion;

class StandIn : public ui::Window {
public:
    explicit StandIn(std::string name) : ui::Window(std::move(name), "Stand-in", 6000, 4000, ui::lightGrey) {}
};

class WindowSetTest : public MainWindowTest {
protected:
    void SetUp() override {
        start();
        companions->onCreated = [this](ui::Window& window) { created.push_back(window.name()); };
    }
    // The Hue page made by a stand-in maker that counts its calls.
    void standInHuePage() {
        companions->replaceMaker(Companion::HuePage, [this] {
            ++made;
            return std::make_unique<StandIn>("book");
        });
    }
    std::vector<std::string> created;
    int made = 0;
};

TEST_F(WindowSetTest, UntilAWindowExistsItIsNotAvailableAndNothingIsMade) {
    // A set without its windows, as before any of them was part of the program.
    for (int i = 0; i < 6; ++i) {
        const auto which = Companion(i);
        companions->replaceMaker(which, {});
        companions->show(which);
        EXPECT_FALSE(companions->available(which) || companions->visible(which));
        EXPECT_EQ(companions->window(which), nullptr);
    }
    // The main window calls the public procedures whatever is there.
    companions->fillbook();
    companions->plotvalue(5);
    companions->MakeCTol(50, 10, -10);
    companions->fillCC();
    w().Check5.click();
    EXPECT_EQ(w().Text3.text(), "The ColorChecker chart is not part of this version yet");
    w().Check5.click();  // said again on the way back
    EXPECT_EQ(w().Text3.text(), "The ColorChecker chart is not part of this version yet");
    // A conversion with the Hue page, Value page and tolerance switches ticked
    // asks each window to redraw: nothing is made, the colour converts.
    for (ui::CheckBox* box : {&w().Check2, &w().Check3, &w().Check4}) box->click();
    w().Text12[0].enter("2.5YR");
    EXPECT_EQ(w().Text12[0].text(), "2.5YR");
    EXPECT_EQ(w().Text11[1].text(), "31.23");
    EXPECT_TRUE(created.empty());
}

TEST_F(WindowSetTest, AWindowIsMadeOnceAndShownAndHiddenByItsSwitch) {
    standInHuePage();
    EXPECT_TRUE(companions->available(Companion::HuePage));
    EXPECT_FALSE(companions->visible(Companion::HuePage));  // asking does not make it
    EXPECT_EQ(made, 0);

    w().Check2.click();
    ui::Window* page = companions->existing(Companion::HuePage);
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->visible());
    EXPECT_EQ(created, std::vector<std::string>{"book"});
    w().Check2.click();
    EXPECT_FALSE(page->visible());
    w().Check2.click();  // tick, untick, tick: the same window again
    EXPECT_EQ(companions->existing(Companion::HuePage), page);
    EXPECT_TRUE(page->visible());
    EXPECT_EQ(made, 1);
    EXPECT_EQ(created.size(), 1u);
    EXPECT_EQ(w().Text3.text(), "");
    // The other windows are untouched.
    EXPECT_EQ(companions->existing(Companion::ValuePage), nullptr);
}

TEST_F(WindowSetTest, ClosingWithTheFrameHidesTheWindowAndUnticksItsBox) {
    int ownCloses = 0;
    companions->replaceMaker(Companion::HuePage, [&] {
        auto window = std::make_unique<StandIn>("book");
        window->onClose = [&] { ++ownCloses; };  // the window's own handling
        return window;
    });
    w().Check2.click();
    ui::Window* page = companions->window(Companion::HuePage);
    ASSERT_TRUE(page && page->visible());
    page->close();
    EXPECT_FALSE(page->visible());
    EXPECT_FALSE(w().Check2.ticked());
    EXPECT_EQ(ownCloses, 1);

    // A window shown without its box ticked (the viewer opened by another
    // window) closes all the same.
    companions->replaceMaker(Companion::PaletteViewer, [] { return std::make_unique<StandIn>("Form3"); });
    companions->show(Companion::PaletteViewer);
    ASSERT_TRUE(companions->visible(Companion::PaletteViewer));
    companions->existing(Companion::PaletteViewer)->close();
    EXPECT_FALSE(companions->visible(Companion::PaletteViewer));
    EXPECT_FALSE(w().Check7.ticked());
}

TEST_F(WindowSetTest, AMakerThatFailsLeavesTheWindowUnmadeAndAMadeWindowKeepsItsMaker) {
    companions->replaceMaker(Companion::ImageAnalysis, [] { return std::unique_ptr<ui::Window>(); });
    companions->show(Companion::ImageAnalysis);
    EXPECT_EQ(companions->existing(Companion::ImageAnalysis), nullptr);
    EXPECT_TRUE(created.empty());

    standInHuePage();
    companions->show(Companion::HuePage);
    companions->replaceMaker(Companion::HuePage, {});  // too late: the window exists
    EXPECT_TRUE(companions->available(Companion::HuePage));
    companions->hide(Companion::HuePage);
    EXPECT_FALSE(companions->visible(Companion::HuePage));
}

}  // namespace
}  // namespace tintara::testkit

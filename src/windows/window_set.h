// The six windows the main window opens and keeps up to date: the Hue page
// (book), the Value page (book2), the tolerance chart (CTol), the ColorChecker
// chart (CChecker), image analysis (Form2) and the palette viewer (Form3). The
// set makes each one the first time it is needed and keeps it afterwards,
// hidden or shown; closing one with its frame hides it and unticks the main
// window's check box for it. A window not yet part of this version reports
// itself not available, and the main window says so when its box is ticked.
//
// Adding a window: each has a file of its own in this folder (hue_page.cpp,
// value_page.cpp, tolerance_chart.cpp, colorchecker_chart.cpp,
// image_analysis.cpp, palette_viewer.cpp) holding its maker, its typed
// accessor and the forwarding of its public procedure; that file, and its
// library in this folder's CMakeLists.txt, is the only place to change.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include "ui/services.h"
#include "ui/window.h"
#include "workspace/companions.h"
#include "workspace/file_locations.h"
#include "workspace/form1.h"

namespace tintara::charts {
class book;
class book2;
class CTol;
class CChecker;
}  // namespace tintara::charts
namespace tintara::imaging {
class Form2;
}
namespace tintara::viewer3d {
class Form3;
}

namespace tintara::windows {

using workspace::Companion;

class WindowSet : public workspace::CompanionWindows {
public:
    // Makes a companion window; it may use the main window, the platform, the
    // file locations and the set itself (to reach the other windows).
    using Maker = std::function<std::unique_ptr<ui::Window>()>;

    WindowSet(workspace::Form1& main, ui::Platform& platform, workspace::FileLocations files);
    // Unplugs itself from the main window.
    ~WindowSet() override;
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    // Called once for each window, when it is first made and before it is
    // shown: the desktop program builds the window's Qt view here and
    // registers it for printing. Views must go before the set.
    std::function<void(ui::Window&)> onCreated;

    bool available(Companion which) const override;
    void show(Companion which) override;
    void hide(Companion which) override;
    bool visible(Companion which) const override;

    void fillbook() override;
    void plotvalue(float value) override;
    void MakeCTol(float L, float a, float b) override;
    void fillCC() override;
    void GetData(int mode) override;

    // The window, made on first use; null when it is not available.
    ui::Window* window(Companion which);
    // The window if it has been made, without making it.
    ui::Window* existing(Companion which) const;
    // Makes this window with another maker (a stand-in in tests); an empty
    // maker makes it unavailable. Only before the window is first made.
    void replaceMaker(Companion which, Maker maker);

    // Each window by its own type, made on first use. Defined in the window's
    // own file once the window exists; call only when it is available.
    charts::book& hue();
    charts::book2& valuePage();
    charts::CTol& tolerance();
    charts::CChecker& colorChecker();
    imaging::Form2& imageAnalysis();
    viewer3d::Form3& paletteViewer();

private:
    struct Slot {
        Maker maker;
        std::unique_ptr<ui::Window> window;
        ui::CheckBox* box = nullptr;
        // Start-up a maker leaves to run once the window's view exists, so that
        // what it shows and the events it lets run reach the screen.
        std::function<void()> startUp;
    };
    Slot& slot(Companion which) { return slots_[std::size_t(which)]; }
    const Slot& slot(Companion which) const { return slots_[std::size_t(which)]; }
    void closedWithFrame(Companion which);

    // Each window's maker, in the window's own file: empty while the window is
    // not part of this version.
    Maker huePageMaker();
    Maker valuePageMaker();
    Maker toleranceChartMaker();
    Maker colorCheckerMaker();
    Maker imageAnalysisMaker();
    Maker paletteViewerMaker();

    workspace::Form1& main_;
    ui::Platform& platform_;
    workspace::FileLocations files_;
    std::array<Slot, 6> slots_;
};

}  // namespace tintara::windows

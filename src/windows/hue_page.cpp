// The Hue page (book) in the window set: its maker, its typed accessor and the
// forwarding of fillbook, which the main window calls after every conversion
// while its "Display Hue Page" box is ticked.
#include "charts/book.h"
#include "windows/window_set.h"

namespace tintara::windows {

WindowSet::Maker WindowSet::huePageMaker() {
    return [this] { return std::make_unique<charts::book>(main_, platform_); };
}

charts::book& WindowSet::hue() { return static_cast<charts::book&>(*window(Companion::HuePage)); }

void WindowSet::fillbook() {
    if (auto* page = dynamic_cast<charts::book*>(window(Companion::HuePage))) page->fillbook();
}

}  // namespace tintara::windows

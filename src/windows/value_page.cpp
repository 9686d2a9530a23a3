// The Value page (book2) in the window set: its maker, its typed accessor and
// the forwarding of plotvalue, which the main window calls after every
// conversion while its "Display Value Page" box is ticked.
#include "charts/book2.h"
#include "windows/window_set.h"

namespace tintara::windows {

WindowSet::Maker WindowSet::valuePageMaker() {
    return [this] { return std::make_unique<charts::book2>(main_, platform_); };
}

charts::book2& WindowSet::valuePage() { return static_cast<charts::book2&>(*window(Companion::ValuePage)); }

void WindowSet::plotvalue(float value) {
    if (auto* page = dynamic_cast<charts::book2*>(window(Companion::ValuePage))) page->plotvalue(value);
}

}  // namespace tintara::windows

// Image analysis (Form2) in the window set: its maker and its typed accessor.
// Its start-up (Form_Load: the window shown with TestImage.jpg) runs once the
// window's view exists, so that a message about the picture appears over it.
#include "imaging/form2.h"
#include "windows/window_set.h"

namespace tintara::windows {

WindowSet::Maker WindowSet::imageAnalysisMaker() {
    return [this] {
        auto form = std::make_unique<imaging::Form2>(main_, platform_, files_, this);
        slot(Companion::ImageAnalysis).startUp = [window = form.get()] { window->Form_Load(); };
        return form;
    };
}

imaging::Form2& WindowSet::imageAnalysis() { return static_cast<imaging::Form2&>(*window(Companion::ImageAnalysis)); }

}  // namespace tintara::windows

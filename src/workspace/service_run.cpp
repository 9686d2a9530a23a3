#include "workspace/service_run.h"

namespace tintara::workspace {

ServiceRun::ServiceRun(Form1& w, bool& running) : window_(w), running_(running), chartMode_(w.chartMode) {
    running_ = true;
    std::vector<ui::Control*> locked{&w.Check1, &w.Text5,    &w.VScroll8, &w.VScroll7, &w.Command3,  &w.import,
                                     &w.Combo1, &w.Command7, &w.Command8, &w.Text4,    &w.Command11, &w.Check2,
                                     &w.Check3, &w.Check4,   &w.Check5,   &w.Check6,   &w.Check7};
    for (int i = 0; i < w.Option1.size(); ++i) locked.push_back(&w.Option1[i]);
    for (ui::Control* control : locked) {
        enabled_.emplace_back(control, control->enabled());
        control->setEnabled(false);
    }
}

ServiceRun::~ServiceRun() {
    for (auto& [control, enabled] : enabled_) control->setEnabled(enabled);
    window_.chartMode = chartMode_;
    running_ = false;
}

std::string outputNotice(const Form1& window) {
    return "  Tintara " + window.versionText() +
           ", from the Munsell renotation data (Newhall, Nickerson and Judd, 1943)";
}

}  // namespace tintara::workspace

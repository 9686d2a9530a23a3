// The main window's chartMode, raised while a chart converts its chips so that
// xyzrgb only returns numbers. A chart may be drawn while another caller (the
// Munsell table, the sample import) has the flag raised: it is put back as it
// was found, never simply cleared.
#pragma once

namespace tintara::charts {

class ChartModeScope {
public:
    explicit ChartModeScope(bool& chartMode) : flag_(chartMode), previous_(chartMode) { flag_ = true; }
    ~ChartModeScope() { flag_ = previous_; }
    ChartModeScope(const ChartModeScope&) = delete;
    ChartModeScope& operator=(const ChartModeScope&) = delete;

private:
    bool& flag_;
    bool previous_;
};

}  // namespace tintara::charts

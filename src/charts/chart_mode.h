// The main window's chartMode, raised while a chart converts its chips so that
// xyzrgb only returns numbers. A chart may be drawn while another caller (the
// Munsell table, the sample import) has the flag raised: it is put back as it
// was found, never simply cleared.
//
// Each chip's xyzrgb also leaves the chip's colour in the main window's rgbR,
// rgbG, rgbB and gamut state. Those are the current colour's for everyone who
// reads them after the chart is drawn (the sample import's outputs, the palette
// viewer's colours, the swatch), so they are put back too.
#pragma once

#include "workspace/form1.h"

namespace tintara::charts {

class ChartModeScope {
public:
    explicit ChartModeScope(workspace::Form1& main)
        : main_(main), previous_(main.chartMode), display_(main.displayState()) {
        main_.chartMode = true;
    }
    ~ChartModeScope() {
        main_.chartMode = previous_;
        main_.restoreDisplayState(display_);
    }
    ChartModeScope(const ChartModeScope&) = delete;
    ChartModeScope& operator=(const ChartModeScope&) = delete;

private:
    workspace::Form1& main_;
    bool previous_;
    workspace::Form1::DisplayState display_;
};

}  // namespace tintara::charts

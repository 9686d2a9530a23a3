#include "charts/chart_window.h"

#include <cmath>

namespace tintara::charts {

ChartWindow::ChartWindow(std::string name, std::string caption, int width, int height, ui::Rgb background,
                         workspace::Form1& main, ui::Platform& platform)
    : ui::Window(std::move(name), std::move(caption), width, height, background),
      Drawing("Drawing", {0, 0, width, height}, background),
      main_(main),
      platform_(platform) {
    add(Drawing);  // first, so that every control stands over it
}

void ChartWindow::printChart() {
    const ui::PrintOutcome outcome = platform_.printer.printWindow(*this);
    if (!outcome.ok)
        main_.Text3.setText("Printing " + caption() + " failed: " + outcome.error);
    else if (!outcome.pdfFile.empty())
        main_.Text3.setText("No printer: " + caption() + " was saved as " + outcome.pdfFile);
}

int ChartWindow::px(double twips) { return int(std::floor(twips / ui::twipsPerPixel)); }

}  // namespace tintara::charts

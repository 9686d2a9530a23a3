// The ColorChecker chart: fillCC and the patches.
#include "charts/CChecker.h"

#include <sstream>

#include "charts/chart_mode.h"
#include "munsell/hue_circle.h"
#include "munsell/hue_notation.h"
#include "textio/numberread.h"
#include "textio/text_file.h"

namespace tintara::charts {

namespace {
// ccnames.csv holds 24 short records; a file far larger is not one.
constexpr std::size_t notationsFileLimit = 1 << 20;
// The chart's own dark surround, behind the patches and the notice.
constexpr ui::Rgb surround{71, 67, 69};
constexpr ui::Rgb noticeText{224, 224, 224};
constexpr ui::Rgb problemText{255, 204, 102};
// The outline of a slot whose patch could not be read.
constexpr ui::Rgb emptySlot{150, 150, 150};
constexpr int chartWidth = 10095, chartHeight = 7335;

constexpr int patchColumns = 6;
constexpr int patchLeft = 120, patchTop = 240, patchPitch = 1680, patchSide = 1455;

const char* const chartCaption = "The Macbeth ColorChecker\u00ae";
const char* const notice = "ColorChecker\u00ae is a trademark of X-Rite, Inc., maker of the chart";
}  // namespace

CChecker::CChecker(workspace::Form1& main, ui::Platform& platform, workspace::FileLocations files)
    : ChartWindow("CChecker", chartCaption, chartWidth, chartHeight, surround, main, platform),
      Label1("Label1", {5880, 6840, 3135, 375}),
      Label2("Label2", {1440, 6840, 4335, 375}),
      Command1("Command1", {120, 6960, 1212, 252}, "PRINT"),
      files_(std::move(files)) {
    Label1.setForeColor(noticeText);
    Label2.setForeColor(problemText);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Label1, &Label2, &Command1}) add(*c);
    Command1.onClick = [this] { Command1_Click(); };
    paintPatches();
}

ui::TwipRect CChecker::patchRect(int i) {
    return {patchLeft + patchPitch * (i % patchColumns), patchTop + patchPitch * (i / patchColumns), patchSide,
            patchSide};
}

// A file that cannot be read, or holds fewer than 24 whole records, leaves the
// chart usable: the patches it gives are painted, the others are shown empty,
// and the line under the chart says what is missing.
void CChecker::fillCC() {
    const std::filesystem::path path = files_.shipped(notationsFile);
    const textio::TextFile file = textio::readTextFile(path, notationsFileLimit);
    setBackground(surround);
    Label1.setBackColor(surround);
    Label1.setCaption(notice);
    setCaption(chartCaption);
    PatchNotations read;
    if (file.problem == textio::FileProblem::None) {
        std::istringstream in(file.text);
        read = readPatchNotations(in, notationsFile);
    } else if (file.problem == textio::FileProblem::TooLarge) {
        read.problem = textio::describeProblem(path, file.problem, notationsFileLimit);
    } else {
        read.problem = std::string("Cannot read ") + notationsFile + " (looked for " + path.string() + ")";
    }
    {
        const ChartModeScope chart(main_);
        for (int i = 0; i < patchCount; ++i) {
            const auto& notation = read.patches[std::size_t(i)];
            Patch& patch = Shape1[std::size_t(i)];
            patch = Patch{surround, true};
            if (!notation) continue;
            // The reader takes only hues with a family symbol.
            const munsell::ParsedHue hue = munsell::parseHue(notation->hue);
            float V = float(textio::leadingNumber(notation->value)), X = 0, Y = 0, Z = 0, x = 0, y = 0;
            main_.mun2xyz(munsell::foldedOnce(hue.hue), V, float(textio::leadingNumber(notation->chroma)), X, Y, Z, x,
                          y);
            std::int16_t R = 0, G = 0, B = 0;
            main_.xyzrgb(R, G, B, X, Y, Z);
            patch = Patch{ui::clampedRgb(R, G, B), false};
        }
    }
    int painted = 0;
    for (const Patch& patch : Shape1) painted += patch.empty ? 0 : 1;
    if (!read.problem.empty() && painted > 0 && painted < patchCount)
        read.problem += " (" + std::to_string(painted) + " of the 24 patches painted)";
    Label2.setBackColor(surround);
    Label2.setCaption(read.problem);
    paintPatches();
}

void CChecker::paintPatches() {
    ui::Surface& s = Drawing.surface();
    s.clear(background());
    for (int i = 0; i < patchCount; ++i) {
        const ui::TwipRect r = patchRect(i);
        const Patch& patch = Shape1[std::size_t(i)];
        s.fillRect(px(r.left), px(r.top), px(r.width), px(r.height), patch.fill,
                   patch.empty ? ui::BorderStyle::Dotted : ui::BorderStyle::None, emptySlot);
    }
    Drawing.refresh();
}

}  // namespace tintara::charts

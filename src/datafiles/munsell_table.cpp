#include "datafiles/munsell_table.h"

#include <array>

#include "colorimetry/lab.h"
#include "munsell/hue_notation.h"
#include "munsell/munsell_to_cie.h"
#include "textio/formats.h"
#include "textio/printstyle.h"

namespace tintara::datafiles {

namespace {

constexpr std::string_view gamutNote =
    "If R G B value is 0 or 255 the color is out of the gamut of a CRT and is for approximation only  Illuminant C 2 "
    "degree observer  Kellerby  March 29, 2011";
constexpr std::string_view columnNames = "Angle\tHue\tValue\tChroma\tX\tY\tZ\tL*\ta*\tb*\tR\tG\tB";

// Whole values up to 8, then the light end in quarters, where the eye tells
// small steps apart; the table's top value 10 is left out.
constexpr std::array<float, 12> values{1, 2, 3, 4, 5, 6, 7, 8, 8.25f, 8.5f, 8.75f, 9};
// Every chroma up to 8, then the even ones the renotation data are sampled at.
constexpr std::array<float, 20> chromas{0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30};
constexpr int hueSteps = 40;
constexpr float hueStep = 2.5f;
// The colour of a grid hue is taken just past it, inside the cell that starts
// there, while the notation names the grid hue itself.
constexpr double hueNudge = 0.001;

// Tristimulus values at or below the 0.01 floor of L*a*b* mark a point
// outside the renotation data, which converts to 0, 0, 0.
bool insideData(colorimetry::Xyz xyz) {
    const float floor = colorimetry::lowestLabTristimulus;
    return xyz.X > floor && xyz.Y > floor && xyz.Z > floor;
}

std::string tableRow(float H, float V, float C, colorimetry::Xyz xyz, const MunsellTableSettings& s) {
    const colorimetry::Lab lab = colorimetry::labFromXyz(xyz, s.condition);
    const colorimetry::DisplayRgb rgb = colorimetry::displayRgbFromXyz(xyz, s.condition, s.display);
    textio::PrintLine line;
    line.number(H).text("\t" + munsell::formatHue(H) + "\t").number(V).text("\t").number(C);
    for (float v : {xyz.X, xyz.Y, xyz.Z, lab.L, lab.a, lab.b}) line.text("\t" + textio::format(v, "###.00"));
    for (int c : {rgb.R, rgb.G, rgb.B}) line.text("\t" + textio::format(c, "##0"));
    return line.finish();
}

}  // namespace

MunsellTable munsellTable(const munsell::RenotationTable& table, const MunsellTableSettings& settings,
                          std::string_view titleLine) {
    const std::string end(textio::lineEnd);
    MunsellTable out;
    out.text = std::string(titleLine) + end + std::string(gamutNote) + end + std::string(columnNames) + end;
    out.text.reserve(out.text.size() + values.size() * hueSteps * chromas.size() * 96);
    for (float V : values) {
        for (int step = 0; step < hueSteps; ++step) {
            const float H = hueStep * float(step);
            const float nudged = float(double(H) + hueNudge);
            for (float C : chromas) {
                const auto found = munsell::munsellToXyz(table, {nudged, V, C}, settings.condition, settings.pwd);
                const colorimetry::Xyz xyz = colorimetry::raisedForLab(found ? found->xyz : colorimetry::Xyz{});
                if (!insideData(xyz)) continue;
                out.text += tableRow(H, V, C, xyz, settings);
                ++out.rows;
            }
        }
    }
    return out;
}

}  // namespace tintara::datafiles

// The 3D display: the value axis, the hue markers and the chroma rings seen at
// the tilt, then one dot a sample; the redraw timer and the rotation step.
#include <cmath>

#include "textio/numbertext.h"
#include "viewer3d/form3.h"

namespace tintara::viewer3d {

namespace {

constexpr int redrawMs = 10;
constexpr int rotationEnd = 180;
// The ends of the value axis (values 0 and 10) and the hue markers stand 20
// units from the centre; the axis ends and markers are dots of 10 pixels.
constexpr double axisReach = 20;
constexpr int markerWidth = 10;
constexpr double ringRadii[4] = {20, 10, 5, 1};
// A quarter turn apart from hue 0: red at 10RP, yellow at 5Y, green at 10G, blue at 5PB.
constexpr ui::Rgb markerColours[4] = {{255, 0, 0}, {255, 255, 0}, {0, 255, 0}, {0, 0, 255}};
constexpr double quarterTurnDegrees = 90;
const ui::Font numberFont{"Times New Roman", 8.25f, false};

double secondsBetween(double from, double to) {
    constexpr double day = 24 * 3600;
    return to >= from ? to - from : to + day - from;  // past midnight
}

}  // namespace

void Form3::readBars() {
    view_ = viewFromBars(HScroll1.value(), VScroll1.value(), VScroll2.value(), HScroll2.value(), VScroll3.value());
    Picture1.setUserScale(view_.panX - view_.zoom, view_.zoom + view_.panY, 2 * view_.zoom, -2 * view_.zoom);
}

Form3::FrameInputs Form3::frameInputs() const {
    return FrameInputs{HScroll1.value(), VScroll1.value(),           VScroll2.value(),
                       HScroll2.value(), VScroll3.value(),           List1.listIndex(),
                       Check1.value(),   Picture1.surface().width(), Picture1.surface().height(),
                       paletteRevision_};
}

void Form3::drawPalette() {
    readBars();
    ui::Surface& surface = Picture1.surface();
    surface.clear(surface.background());
    const ui::UserCoordinates units = Picture1.scale();
    drawAxes(units, double(view_.tiltDeg) * double(radiansPerDegree));
    drawEntries(units);
    drawn_ = frameInputs();
    Picture1.refresh();
}

void Form3::drawAxes(const ui::UserCoordinates& u, double t) {
    ui::Surface& s = Picture1.surface();
    const double axisTop = axisReach * std::sin(t);
    s.dot(u.toPixelX(0), u.toPixelY(-axisTop), ui::black, markerWidth);
    s.dot(u.toPixelX(0), u.toPixelY(axisTop), ui::white, markerWidth);
    for (int q = 0; q < 4; ++q) {
        const double a = q * quarterTurnDegrees * double(radiansPerDegree) + double(view_.rotAngle);
        const double x = axisReach * std::cos(a), y = axisReach * std::sin(a) * std::cos(t);
        s.dot(u.toPixelX(x), u.toPixelY(y), markerColours[q], markerWidth);
        s.line(u.toPixelX(0), u.toPixelY(0), u.toPixelX(x), u.toPixelY(y), ui::black);
    }
    s.line(u.toPixelX(0), u.toPixelY(axisTop), u.toPixelX(0), u.toPixelY(-axisTop), ui::black);
    for (double r : ringRadii)
        s.ellipse(u.toPixelX(0), u.toPixelY(0), u.pixelsAcross(r), u.pixelsDown(r * std::cos(t)), {ui::black});
}

// Later entries are drawn over earlier ones.
void Form3::drawEntries(const ui::UserCoordinates& u) {
    ui::Surface& s = Picture1.surface();
    const int selected = List1.listIndex() + 1;
    const bool numbers = Check1.ticked();
    for (int i = 1; i <= pal_.palCount; ++i) {
        const auto& [angle, value, chroma] = pal_.palHVC[i];
        const ChartPoint p = projectSample(angle, value, chroma, view_);
        pal_.palXY[i] = {p.x, p.y};
        const double px = u.toPixelX(p.x), py = u.toPixelY(p.y);
        s.dot(px, py, pal_.palRGB[i], sampleDotWidth(value));
        if (i == selected) s.dot(px, py, ui::white, selectionDotWidth(value));
        if (numbers) platform_.text.drawText(s, px, py, textio::signedNumber(float(i)), numberFont, ui::black);
    }
    drawnCount_ = pal_.palCount;
}

// Nothing is drawn while the window is hidden or while the picture would come
// out as it stands; a redraw slower than the cadence starts the count again,
// so the next one waits a whole interval and the window's events come first.
void Form3::Timer2_Timer() {
    if (!visible() || (drawn_ && *drawn_ == frameInputs())) return;
    const double start = platform_.clock.secondsSinceMidnight();
    drawPalette();
    if (secondsBetween(start, platform_.clock.secondsSinceMidnight()) * 1000 > redrawMs) Timer2.setInterval(redrawMs);
}

void Form3::Timer1_Timer() {
    Timer1.setInterval(HScroll3.value());
    if (HScroll1.value() < rotationEnd)
        HScroll1.setValue(HScroll1.value() + 1);
    else
        HScroll1.setValue(-rotationEnd);
}

void Form3::VScroll1_Change() { drawPalette(); }

void Form3::VScroll3_Change() { drawPalette(); }

}  // namespace tintara::viewer3d

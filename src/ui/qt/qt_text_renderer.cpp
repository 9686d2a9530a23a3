#include "ui/qt/qt_text_renderer.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/qt/qt_fonts.h"
#include "ui/qt/qt_geometry.h"
#include "ui/qt/qt_text.h"

namespace tintara::ui::qt {

namespace {

// 96 dots per inch, in the dots per metre QImage keeps.
constexpr int dotsPerMetreAt96 = 3780;

QFont surfaceFont(const Font& font) {
    QFont qfont = toQFont(font);
    qfont.setStyleStrategy(QFont::NoAntialias);
    return qfont;
}

// A device at 96 dpi to measure on, whatever the screen's density.
const QImage& measuringDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(dotsPerMetreAt96);
        image.setDotsPerMeterY(dotsPerMetreAt96);
        return image;
    }();
    return device;
}

bool sameFont(const Font& a, const Font& b) { return a.family == b.family && a.points == b.points && a.bold == b.bold; }

}  // namespace

const QtTextRenderer::Measured& QtTextRenderer::measured(const Font& font) {
    if (!measured_ || !sameFont(measured_->font, font)) {
        const QFont qfont = surfaceFont(font);
        measured_.emplace(Measured{font, qfont, QFontMetricsF(qfont, &measuringDevice())});
    }
    return *measured_;
}

void QtTextRenderer::drawText(Surface& surface, double x, double y, const std::string& text, const Font& font,
                              Rgb color) {
    if (surface.width() <= 0 || surface.height() <= 0 || !std::isfinite(x) || !std::isfinite(y)) return;
    // The surface's pixel words are QImage's RGB32 layout: the painter draws in place.
    QImage image(reinterpret_cast<uchar*>(surface.data()), surface.width(), surface.height(),
                 qsizetype(surface.width()) * 4, QImage::Format_RGB32);
    image.setDotsPerMeterX(dotsPerMetreAt96);
    image.setDotsPerMeterY(dotsPerMetreAt96);
    const QFont& qfont = measured(font).qfont;
    const QFontMetricsF& metrics = measured(font).metrics;
    // Far off the surface nothing shows; held so that the painter's numbers stay sane.
    const double limit = 1e6;
    const QPointF baseline(std::floor(std::clamp(x, -limit, limit)),
                           std::floor(std::clamp(y, -limit, limit)) + metrics.ascent());
    QPainter painter(&image);
    painter.setFont(qfont);
    painter.setPen(toQColor(color));
    painter.drawText(baseline, toQString(text));
    painter.end();
    surface.touch();
}

int QtTextRenderer::textWidth(const std::string& text, const Font& font) {
    const double twips = measured(font).metrics.horizontalAdvance(toQString(text)) * twipsPerPixel;
    const long long smallest = (long long)textCharacters(text).size() * smallestCharacterTwips;
    return int(std::min<long long>(std::max<long long>((long long)std::ceil(twips), smallest), 1 << 30));
}

int QtTextRenderer::textHeight(const Font& font) {
    return int(std::ceil(measured(font).metrics.height() * twipsPerPixel));
}

}  // namespace tintara::ui::qt

#include "ui/qt/qt_caption_fit.h"

#include <QFontMetricsF>
#include <QStyle>

#include "ui/controls.h"
#include "ui/qt/qt_geometry.h"
#include "ui/qt/qt_text.h"

namespace tintara::ui::qt {

namespace {

constexpr double smallestScale = 0.75;
constexpr double pointStep = 0.25;

// A caption as drawn: "&x" marks a mnemonic and "&&" is one ampersand.
QString withoutMnemonics(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QChar('&'));
    text.replace(QChar('\x01'), QChar('&'));
    return text;
}

QString captionOf(const Control& control) {
    switch (control.kind()) {
    case ControlKind::Label: return displayText(static_cast<const Label&>(control).caption());
    case ControlKind::Button: return withoutMnemonics(toQString(static_cast<const Button&>(control).caption()));
    case ControlKind::CheckBox: return withoutMnemonics(toQString(static_cast<const CheckBox&>(control).caption()));
    case ControlKind::OptionButton:
        return withoutMnemonics(toQString(static_cast<const OptionButton&>(control).caption()));
    case ControlKind::Frame: return withoutMnemonics(toQString(static_cast<const Frame&>(control).caption()));
    default: return {};
    }
}

// Room taken beside the caption: the check mark and its gap, a button's frame.
double sideRoom(const Control& control, const QWidget& widget) {
    const QStyle* style = widget.style();
    switch (control.kind()) {
    case ControlKind::CheckBox:
        return style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &widget) +
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &widget) + 1;
    case ControlKind::OptionButton:
        return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &widget) +
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, &widget) + 1;
    case ControlKind::Button: return 8;
    case ControlKind::Frame: return 12;
    default: return 0;
    }
}

bool fits(const Control& control, const QString& caption, const QFont& font, const QSize& box, double side) {
    const QFontMetricsF metrics(font);
    if (control.kind() == ControlKind::Label) {
        const QRectF needed = metrics.boundingRect(QRectF(0, 0, box.width(), 1e6),
                                                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption);
        return needed.width() <= box.width() && needed.height() <= box.height() + 1;
    }
    if (control.kind() != ControlKind::Frame && metrics.height() > box.height() + 2) return false;
    return metrics.horizontalAdvance(caption) + side <= box.width();
}

}  // namespace

QFont fittedFont(const Control& control, const QWidget& widget, const QFont& font) {
    const QString caption = captionOf(control);
    const double points = font.pointSizeF();
    if (caption.isEmpty() || points <= 0) return font;
    const QSize box = toQRect(control.rect()).size();
    const double side = sideRoom(control, widget);
    QFont fitted = font;
    for (double p = points; p >= points * smallestScale; p -= pointStep) {
        fitted.setPointSizeF(p);
        if (fits(control, caption, fitted, box, side)) return fitted;
    }
    // A caption that cannot fit even so was clipped in the layout too; it keeps its size.
    return font;
}

}  // namespace tintara::ui::qt

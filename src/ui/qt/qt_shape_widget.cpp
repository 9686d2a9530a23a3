#include "ui/qt/qt_shape_widget.h"

#include <QPainter>
#include <algorithm>

#include "ui/qt/qt_geometry.h"

namespace tintara::ui::qt {

namespace {

// Squares and circles take the largest square that fits, centred in the box.
QRect figureRect(const QRect& box, ShapeKind kind) {
    QRect r = box.adjusted(0, 0, -1, -1);  // keeps a one-pixel border inside the box
    if (kind == ShapeKind::Square || kind == ShapeKind::Circle) {
        const int side = std::min(r.width(), r.height());
        r = QRect(r.left() + (r.width() - side) / 2, r.top() + (r.height() - side) / 2, side, side);
    }
    return r;
}

QPen borderPen(const Shape& shape) {
    if (shape.borderStyle() == BorderStyle::None) return QPen(Qt::NoPen);
    QPen pen(toQColor(shape.borderColor()));
    pen.setWidth(1);
    pen.setStyle(shape.borderStyle() == BorderStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
    return pen;
}

}  // namespace

ShapeWidget::ShapeWidget(const Shape& model, QWidget* parent) : QWidget(parent), model_(model) {
    // A shape is drawn over whatever lies beneath it and takes no clicks.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool round = model_.shape() == ShapeKind::Circle || model_.shape() == ShapeKind::Oval;
    painter.setRenderHint(QPainter::Antialiasing, round);
    painter.setPen(borderPen(model_));
    painter.setBrush(model_.filled ? QBrush(toQColor(model_.fillColor())) : QBrush(Qt::NoBrush));
    const QRect r = figureRect(rect(), model_.shape());
    if (round)
        painter.drawEllipse(r);
    else
        painter.drawRect(r);
}

}  // namespace tintara::ui::qt

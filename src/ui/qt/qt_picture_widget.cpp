#include "ui/qt/qt_picture_widget.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "ui/qt/qt_dialog_parent.h"
#include "ui/qt/qt_geometry.h"
#include "ui/qt/qt_key_codes.h"

namespace tintara::ui::qt {

namespace {

MouseButton modelButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return MouseButton::None;
    }
}

// While the pointer moves, the windows are told every button held down; the
// model's single button value carries the first of them.
MouseButton heldButton(Qt::MouseButtons buttons) {
    if (buttons & Qt::LeftButton) return MouseButton::Left;
    if (buttons & Qt::RightButton) return MouseButton::Right;
    if (buttons & Qt::MiddleButton) return MouseButton::Middle;
    return MouseButton::None;
}

}  // namespace

PictureWidget::PictureWidget(PictureBox& model, QWidget* parent) : QWidget(parent), model_(model) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const Surface& surface = model_.surface();
    painter.fillRect(rect(), toQColor(surface.background()));
    if (surface.width() <= 0 || surface.height() <= 0) return;
    // The surface's 0xFFRRGGBB words are exactly QImage's RGB32 layout.
    const QImage image(reinterpret_cast<const uchar*>(surface.pixels().data()), surface.width(), surface.height(),
                       qsizetype(surface.width()) * 4, QImage::Format_RGB32);
    painter.drawImage(QPoint(0, 0), image);
}

// The pointer goes to the model in pixels of the box; the model gives it to the
// window in the box's own units.
void PictureWidget::mousePressEvent(QMouseEvent* event) {
    const HandlingWindow handling(this);
    const QPointF p = event->position();
    model_.pointerDown(modelButton(event->button()), shiftMask(event->modifiers()), p.x(), p.y());
}

void PictureWidget::mouseMoveEvent(QMouseEvent* event) {
    const HandlingWindow handling(this);
    const QPointF p = event->position();
    model_.pointerMove(heldButton(event->buttons()), shiftMask(event->modifiers()), p.x(), p.y());
}

}  // namespace tintara::ui::qt

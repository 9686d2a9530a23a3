// A shape on screen: a rectangle, square, circle or oval with the model's fill
// and border.
#pragma once

#include <QWidget>

#include "ui/picture.h"

namespace tintara::ui::qt {

class ShapeWidget : public QWidget {
public:
    ShapeWidget(const Shape& model, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Shape& model_;
};

}  // namespace tintara::ui::qt

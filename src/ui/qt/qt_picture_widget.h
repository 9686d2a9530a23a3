// A picture box on screen: shows the model's drawing surface pixel for pixel
// and hands the pointer to the model in twips.
#pragma once

#include <QWidget>

#include "ui/picture.h"

namespace tintara::ui::qt {

class PictureWidget : public QWidget {
public:
    PictureWidget(PictureBox& model, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    PictureBox& model_;
};

}  // namespace tintara::ui::qt

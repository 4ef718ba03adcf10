#include "picture_box.h"

#include <QPainter>

namespace ui {

PictureBox::PictureBox(int width, int height, QWidget* parent)
    : QWidget(parent), m_picture(width, height) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    if (m_picture.isDrawn()) {
        // Rasterised at the screen's own ratio, so each of its device pixels is painted once;
        // a window moved to a screen of another ratio is painted anew at that one.
        QPainter painter(this);
        painter.drawImage(QPointF(0, 0), m_picture.raster(devicePixelRatioF()));
    }
}

}  // namespace ui

#include "picture_box.h"

#include <QPainter>

namespace ui {

TImage::TImage(int width, int height, QWidget* parent) : QWidget(parent), m_picture(width, height) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TImage::paintEvent(QPaintEvent* /*event*/) {
    if (!m_picture.image().isNull()) {
        QPainter painter(this);
        painter.drawImage(0, 0, m_picture.image());
    }
}

}  // namespace ui

#include "color_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include "graphics/chart.h"

namespace ui {

namespace {
constexpr int kColumns = 8;
constexpr int kRows = 2;
}  // namespace

ColorGrid::ColorGrid(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void ColorGrid::setForegroundIndex(int index) {
    if (index >= 0 && index < kColumns * kRows && index != m_index) {
        m_index = index;
        update();
    }
}

graphics::Color ColorGrid::foregroundColor() const {
    return graphics::kColorTable[static_cast<std::size_t>(m_index)];
}

QRect ColorGrid::cell(int index) const {
    const int w = width() / kColumns;
    const int h = height() / kRows;
    return {(index % kColumns) * w, (index / kColumns) * h, w, h};
}

void ColorGrid::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    for (int i = 0; i < kColumns * kRows; ++i) {
        const QRect r = cell(i);
        const QColor color = graphics::toRgb(graphics::kColorTable[static_cast<std::size_t>(i)]);
        painter.fillRect(r, color);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        if (i == m_index) {
            painter.setPen(qGray(color.rgb()) < 128 ? Qt::white : Qt::black);
            QFont font = painter.font();
            font.setPixelSize(9);
            font.setBold(true);
            painter.setFont(font);
            painter.drawText(r, Qt::AlignCenter, tr("FG"));
        }
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = cell(m_index).adjusted(1, 1, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void ColorGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    for (int i = 0; i < kColumns * kRows; ++i) {
        if (cell(i).contains(event->position().toPoint())) {
            setForegroundIndex(i);
        }
    }
}

void ColorGrid::keyPressEvent(QKeyEvent* event) {
    const int column = m_index % kColumns;
    const int row = m_index / kColumns;
    switch (event->key()) {
        case Qt::Key_Left:
            setForegroundIndex(row * kColumns + (column + kColumns - 1) % kColumns);
            break;
        case Qt::Key_Right:
            setForegroundIndex(row * kColumns + (column + 1) % kColumns);
            break;
        case Qt::Key_Up:
        case Qt::Key_Down:
            setForegroundIndex((1 - row) * kColumns + column);
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

}  // namespace ui

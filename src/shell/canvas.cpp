#include "canvas.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace shell {

QRgb ToRgb(TColor color) {
    return qRgb(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

QString SubstituteFont(const QString& name) {
    if (name.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0 ||
        name.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0 ||
        name.compare(QLatin1String("System"), Qt::CaseInsensitive) == 0) {
        return QStringLiteral("Liberation Sans");
    }
    if (name.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0) {
        return QStringLiteral("Liberation Mono");
    }
    return name;
}

void Canvas::plot(std::int64_t x, std::int64_t y, QRgb color) {
    if (x >= 0 && y >= 0 && x < m_image.width() && y < m_image.height()) {
        m_image.setPixel(static_cast<int>(x), static_cast<int>(y), color);
    }
}

void Canvas::fill(int left, int top, int right, int bottom, QRgb color) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, m_image.width() - 1);
    bottom = std::min(bottom, m_image.height() - 1);
    if (left > right) {
        return;
    }
    for (int y = top; y <= bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_image.scanLine(y));
        std::fill(line + left, line + right + 1, color);
    }
}

void Canvas::MoveTo(int x, int y) {
    m_x = x;
    m_y = y;
}

void Canvas::LineTo(int x, int y) {
    const QRgb color = ToRgb(m_pen);
    if (m_x == x && m_y == y) {
        // A line of no length paints nothing, so a chart drawn before any axes, whose lines all
        // run from (0, 0) to (0, 0), leaves the picture as it was.
    } else if (m_x == x || m_y == y) {
        // Upright and level lines, the charts' own, are clipped before they are drawn, so a bar
        // reaching far beyond the picture costs no more than one inside it.
        fill(std::min(m_x, x), std::min(m_y, y), std::max(m_x, x), std::max(m_y, y), color);
    } else {
        // Bresenham's line for the slanted ones.
        std::int64_t x0 = m_x;
        std::int64_t y0 = m_y;
        const std::int64_t dx = std::llabs(std::int64_t{x} - x0);
        const std::int64_t dy = -std::llabs(std::int64_t{y} - y0);
        const int sx = x0 < x ? 1 : -1;
        const int sy = y0 < y ? 1 : -1;
        std::int64_t error = dx + dy;
        for (;;) {
            plot(x0, y0, color);
            if (x0 == x && y0 == y) {
                break;
            }
            const std::int64_t twice = 2 * error;
            if (twice >= dy) {
                error += dy;
                x0 += sx;
            }
            if (twice <= dx) {
                error += dx;
                y0 += sy;
            }
        }
    }
    m_x = x;
    m_y = y;
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1) {
        return;
    }
    fill(x1, y1, x2 - 1, y2 - 1, ToRgb(m_pen));
    fill(x1 + 1, y1 + 1, x2 - 2, y2 - 2, ToRgb(m_brush));
}

void Canvas::TextOut(int x, int y, const QString& text) {
    QPainter painter(&m_image);
    QFont font(SubstituteFont(m_fontName));
    font.setPixelSize((m_fontSize * 96 + 36) / 72);
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(x, y, m_image.width() + std::abs(x), m_image.height() + std::abs(y)),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

Canvas& Picture::canvas() {
    if (!m_canvas) {
        m_image = QImage(m_width, m_height, QImage::Format_RGB32);
        m_image.fill(Qt::white);
        m_canvas.emplace(m_image);
    }
    return *m_canvas;
}

}  // namespace shell

#include "canvas.h"

namespace graphics {

void Canvas::moveTo(int x, int y) {
    m_x = x;
    m_y = y;
}

void Canvas::lineTo(int x, int y) {
    if (m_x != x || m_y != y) {
        // A line of no length paints nothing, so a chart drawn before any axes, whose lines all
        // run from (0, 0) to (0, 0), leaves the picture as it was.
        m_drawing.add(LineCommand{m_x, m_y, x, y, m_pen});
    }
    m_x = x;
    m_y = y;
}

void Canvas::rectangle(int x1, int y1, int x2, int y2) {
    if (x2 > x1 && y2 > y1) {
        m_drawing.add(RectangleCommand{x1, y1, x2, y2, m_pen, m_brush});
    }
}

void Canvas::drawText(int x, int y, const QString& text) {
    m_drawing.add(TextCommand{x, y, text, m_fontName, m_fontSize, kBlack});
}

Canvas& Picture::canvas() {
    if (!m_canvas) {
        m_drawing.emplace(QSize(m_width, m_height));
        m_canvas.emplace(*m_drawing);
        if (m_firstUse) {
            m_firstUse();
        }
    }
    return *m_canvas;
}

const QImage& Picture::image() const {
    return raster(1.0);
}

const QImage& Picture::raster(double scale) const {
    static const QImage kNone;
    return m_drawing ? m_raster.update(*m_drawing, scale) : kNone;
}

}  // namespace graphics

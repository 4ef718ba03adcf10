#include "drawing.h"

#include <QFont>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace graphics {

QRgb toRgb(Color color) {
    return qRgb(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

QString substituteFont(const QString& name) {
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

int fontPixelSize(int points) {
    return (points * 96 + 36) / 72;
}

void Drawing::add(DrawingCommand command) {
    if (const auto* rectangle = std::get_if<RectangleCommand>(&command)) {
        if (rectangle->x1 <= 0 && rectangle->y1 <= 0 && rectangle->x2 >= m_size.width() &&
            rectangle->y2 >= m_size.height()) {
            m_commands.clear();
            ++m_generation;
        }
    }
    m_commands.push_back(std::move(command));
}

namespace {

// Pixels first..last of one axis, both included.
struct Span {
    std::int64_t first;
    std::int64_t last;
};

[[nodiscard]] Span ordered(std::int64_t a, std::int64_t b) {
    return a <= b ? Span{a, b} : Span{b, a};
}

class Replayer {
public:
    Replayer(const Drawing& drawing, QPainter& painter, Surface surface, double scale)
        : m_size(drawing.size()),
          m_painter(painter),
          m_surface(surface),
          m_scale(surface == Surface::Raster ? scale : 1.0),
          m_width(std::max(1, static_cast<int>(std::lround(m_scale)))) {}

    void operator()(const LineCommand& line) {
        if (line.x1 == line.x2 && line.y1 == line.y2) {
            return;  // a line of no length paints nothing
        }
        const QColor color = QColor::fromRgb(toRgb(line.pen));
        if (line.x1 == line.x2 || line.y1 == line.y2) {
            fill(ordered(line.x1, line.x2), ordered(line.y1, line.y2), color);
        } else if (m_surface == Surface::Vector) {
            m_painter.setPen(QPen(color, 1.0, Qt::SolidLine, Qt::SquareCap));
            m_painter.drawLine(QPointF(line.x1 + 0.5, line.y1 + 0.5),
                               QPointF(line.x2 + 0.5, line.y2 + 0.5));
        } else {
            slanted(line, color);
        }
    }

    void operator()(const RectangleCommand& rectangle) {
        if (rectangle.x2 <= rectangle.x1 || rectangle.y2 <= rectangle.y1) {
            return;
        }
        // One pixel beyond the picture is as good as any further out: a frame edge there is not
        // seen, and the inside still reaches the picture's edge.
        const Span columns{std::max(rectangle.x1, -1),
                           std::min<std::int64_t>(std::int64_t{rectangle.x2} - 1, m_size.width())};
        const Span rows{std::max(rectangle.y1, -1),
                        std::min<std::int64_t>(std::int64_t{rectangle.y2} - 1, m_size.height())};
        fill(columns, rows, QColor::fromRgb(toRgb(rectangle.pen)));
        // The inside stops where the frame's far edges begin, so the frame keeps its width on
        // all four sides at any scale.
        const QRect inside(QPoint(static_cast<int>(device(columns.first) + m_width),
                                  static_cast<int>(device(rows.first) + m_width)),
                           QPoint(static_cast<int>(device(columns.last) - 1),
                                  static_cast<int>(device(rows.last) - 1)));
        fillDevice(inside, QColor::fromRgb(toRgb(rectangle.brush)));
    }

    void operator()(const TextCommand& text) {
        QFont font(substituteFont(text.fontName));
        font.setPixelSize(fontPixelSize(text.fontSize));
        const bool exact = m_surface == Surface::Raster && m_scale == 1.0;
        if (exact) {
            font.setStyleStrategy(QFont::NoAntialias);
        }
        if (m_surface == Surface::Raster) {
            // What the screen's own scale would choose (no hinting on scaled screens) must not
            // change a raster, so it is fixed here: the outlines fitted to whole pixel rows.
            font.setHintingPreference(QFont::PreferVerticalHinting);
        }
        m_painter.save();
        if (m_surface == Surface::Raster && !exact) {
            m_painter.scale(m_scale, m_scale);
        }
        m_painter.setFont(font);
        m_painter.setPen(QColor::fromRgb(toRgb(text.color)));
        m_painter.drawText(QRect(text.x, text.y, m_size.width() + std::abs(text.x),
                                 m_size.height() + std::abs(text.y)),
                           Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text.text);
        m_painter.restore();
    }

private:
    // The first device pixel of logical pixel v.
    [[nodiscard]] std::int64_t device(std::int64_t v) const {
        return m_scale == 1.0
                   ? v
                   : static_cast<std::int64_t>(std::floor(m_scale * static_cast<double>(v)));
    }

    // Logical pixels, clipped to the picture before they are mapped, so a stick reaching far
    // beyond it costs no more than one inside it.
    void fill(Span columns, Span rows, const QColor& color) {
        columns.first = std::max<std::int64_t>(columns.first, 0);
        columns.last = std::min<std::int64_t>(columns.last, m_size.width() - 1);
        rows.first = std::max<std::int64_t>(rows.first, 0);
        rows.last = std::min<std::int64_t>(rows.last, m_size.height() - 1);
        if (columns.first > columns.last || rows.first > rows.last) {
            return;
        }
        fillDevice(QRect(QPoint(static_cast<int>(device(columns.first)),
                                static_cast<int>(device(rows.first))),
                         QPoint(static_cast<int>(device(columns.last) + m_width - 1),
                                static_cast<int>(device(rows.last) + m_width - 1))),
                   color);
    }

    void fillDevice(const QRect& area, const QColor& color) {
        if (area.isValid()) {
            m_painter.fillRect(area, color);
        }
    }

    // Bresenham's line between the first device pixels of the end points, each of its points
    // a square of the line's width.
    void slanted(const LineCommand& line, const QColor& color) {
        std::int64_t x = device(line.x1);
        std::int64_t y = device(line.y1);
        const std::int64_t x2 = device(line.x2);
        const std::int64_t y2 = device(line.y2);
        const std::int64_t dx = std::llabs(x2 - x);
        const std::int64_t dy = -std::llabs(y2 - y);
        const int sx = x < x2 ? 1 : -1;
        const int sy = y < y2 ? 1 : -1;
        const QRect bounds(QPoint(0, 0),
                           QPoint(static_cast<int>(device(m_size.width() - 1) + m_width - 1),
                                  static_cast<int>(device(m_size.height() - 1) + m_width - 1)));
        std::int64_t error = dx + dy;
        for (;;) {
            if (x >= bounds.left() - m_width && x <= bounds.right() &&
                y >= bounds.top() - m_width && y <= bounds.bottom()) {
                fillDevice(
                    QRect(static_cast<int>(x), static_cast<int>(y), m_width, m_width) & bounds,
                    color);
            }
            if (x == x2 && y == y2) {
                break;
            }
            const std::int64_t twice = 2 * error;
            if (twice >= dy) {
                error += dy;
                x += sx;
            }
            if (twice <= dx) {
                error += dx;
                y += sy;
            }
        }
    }

    QSize m_size;
    QPainter& m_painter;
    Surface m_surface;
    double m_scale;
    int m_width;  // device pixels of a line one logical pixel wide
};

[[nodiscard]] QSize rasterSize(QSize size, double scale) {
    // The last logical pixel's band ends the image.
    const int width = std::max(1, static_cast<int>(std::lround(scale)));
    const auto extent = [&](int logical) {
        return static_cast<int>(std::floor(scale * (logical - 1))) + width;
    };
    return scale == 1.0 ? size : QSize(extent(size.width()), extent(size.height()));
}

}  // namespace

void replay(const Drawing& drawing, QPainter& painter, Surface surface, double scale,
            std::size_t first) {
    Replayer replayer(drawing, painter, surface, scale);
    const auto& commands = drawing.commands();
    for (std::size_t i = first; i < commands.size(); ++i) {
        std::visit(replayer, commands[i]);
    }
}

QImage rasterise(const Drawing& drawing, double scale) {
    QImage image(rasterSize(drawing.size(), scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        replay(drawing, painter, Surface::Raster, scale);
    }
    image.setDevicePixelRatio(scale);
    return image;
}

const QImage& RasterCache::update(const Drawing& drawing, double scale) {
    if (m_image.isNull() || scale != m_scale || drawing.generation() != m_generation ||
        m_done > drawing.commands().size()) {
        m_image = rasterise(drawing, scale);
        m_scale = scale;
        m_generation = drawing.generation();
        m_done = drawing.commands().size();
        return m_image;
    }
    if (m_done < drawing.commands().size()) {
        // Painted in device pixels, then shown at its ratio again.
        m_image.setDevicePixelRatio(1.0);
        {
            QPainter painter(&m_image);
            replay(drawing, painter, Surface::Raster, scale, m_done);
        }
        m_image.setDevicePixelRatio(scale);
        m_done = drawing.commands().size();
    }
    return m_image;
}

}  // namespace graphics

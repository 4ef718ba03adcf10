#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <optional>

#include "graphics/drawing.h"

namespace graphics {

// Drawing on a picture: one-pixel lines at exact integer coordinates, no antialiasing; whatever
// falls outside the picture is clipped. What is drawn is kept as a list of commands.
class Canvas final {
public:
    explicit Canvas(Drawing& drawing) : m_drawing(drawing) {}
    void moveTo(int x, int y);
    // A line with the pen from the current point to (x, y), both ends painted (a line of no
    // length paints nothing); (x, y) becomes the current point.
    void lineTo(int x, int y);
    // moveTo(x1, y1), then lineTo(x2, y2).
    void line(int x1, int y1, int x2, int y2) {
        moveTo(x1, y1);
        lineTo(x2, y2);
    }
    // Fills x1..x2-1 by y1..y2-1 with the brush and frames that area with the pen: the right and
    // bottom edges are excluded, so Rectangle(0, 0, w, h) frames a w by h picture's outermost
    // pixels.
    void rectangle(int x1, int y1, int x2, int y2);
    // The text with its top-left corner at (x, y), in the font's colour, without a background.
    void drawText(int x, int y, const QString& text);

    [[nodiscard]] Color penColor() const { return m_pen; }
    void setPenColor(Color color) { m_pen = color; }
    [[nodiscard]] Color brushColor() const { return m_brush; }
    void setBrushColor(Color color) { m_brush = color; }
    [[nodiscard]] const QString& fontName() const { return m_fontName; }
    void setFontName(const QString& name) { m_fontName = name; }
    // Points, at 96 dots per inch.
    [[nodiscard]] int fontSize() const { return m_fontSize; }
    void setFontSize(int points) { m_fontSize = points; }

private:
    Drawing& m_drawing;
    int m_x = 0;
    int m_y = 0;
    Color m_pen = kBlack;
    Color m_brush = kWhite;
    QString m_fontName = QStringLiteral("MS Sans Serif");
    int m_fontSize = 8;
};

// The drawing surface of a picture control. Its first use gives it a white surface of the
// control's size, which keeps what is drawn.
class Picture final {
public:
    Picture(int width, int height) : m_width(width), m_height(height) {}

    [[nodiscard]] int width() const { return m_width; }
    [[nodiscard]] int height() const { return m_height; }
    [[nodiscard]] Canvas& canvas();
    // Whether the canvas was used: until then the picture shows its window's background.
    [[nodiscard]] bool isDrawn() const { return m_drawing.has_value(); }
    // Called once, when the canvas is first used.
    void onFirstUse(std::function<void()> callback) { m_firstUse = std::move(callback); }
    // What was drawn since the picture was last cleared; only while isDrawn().
    [[nodiscard]] const Drawing& drawing() const { return *m_drawing; }
    // The picture's pixels at scale 1; empty until the canvas was first used.
    [[nodiscard]] const QImage& image() const;
    // The picture rasterised at a device pixel ratio; empty until the canvas was first used.
    [[nodiscard]] const QImage& raster(double scale) const;

private:
    int m_width;
    int m_height;
    std::optional<Drawing> m_drawing;
    std::optional<Canvas> m_canvas;
    std::function<void()> m_firstUse;
    mutable RasterCache m_raster;
};

}  // namespace graphics

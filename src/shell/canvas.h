#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>

namespace shell {

// Colours as 0x00BBGGRR.
using TColor = std::uint32_t;
inline constexpr TColor clBlack = 0x00000000;
inline constexpr TColor clWhite = 0x00FFFFFF;

[[nodiscard]] QRgb ToRgb(TColor color);

// Drawing on an image: one-pixel lines at exact integer coordinates, no antialiasing; whatever
// falls outside the image is clipped.
class Canvas final {
public:
    explicit Canvas(QImage& image) : m_image(image) {}

    void MoveTo(int x, int y);
    // A line with the pen from the current point to (x, y), both ends painted (a line of no
    // length paints nothing); (x, y) becomes the current point.
    void LineTo(int x, int y);
    // Fills x1..x2-1 by y1..y2-1 with the brush and frames that area with the pen: the right and
    // bottom edges are excluded, so Rectangle(0, 0, w, h) frames a w by h picture's outermost
    // pixels.
    void Rectangle(int x1, int y1, int x2, int y2);
    // The text with its top-left corner at (x, y), in the font's colour, without a background.
    void TextOut(int x, int y, const QString& text);

    [[nodiscard]] TColor PenColor() const { return m_pen; }
    void SetPenColor(TColor color) { m_pen = color; }
    [[nodiscard]] TColor BrushColor() const { return m_brush; }
    void SetBrushColor(TColor color) { m_brush = color; }
    [[nodiscard]] const QString& FontName() const { return m_fontName; }
    void SetFontName(const QString& name) { m_fontName = name; }
    // Points, at 96 dots per inch.
    [[nodiscard]] int FontSize() const { return m_fontSize; }
    void SetFontSize(int points) { m_fontSize = points; }

private:
    void plot(std::int64_t x, std::int64_t y, QRgb color);
    // left..right by top..bottom, clipped to the image.
    void fill(int left, int top, int right, int bottom, QRgb color);

    QImage& m_image;
    int m_x = 0;
    int m_y = 0;
    TColor m_pen = clBlack;
    TColor m_brush = clWhite;
    QString m_fontName = QStringLiteral("MS Sans Serif");
    int m_fontSize = 8;
};

// The drawing surface of a picture control. Its first use gives it a white image of the control's
// size, which keeps what is drawn.
class Picture final {
public:
    Picture(int width, int height) : m_width(width), m_height(height) {}

    [[nodiscard]] int Width() const { return m_width; }
    [[nodiscard]] int Height() const { return m_height; }
    [[nodiscard]] Canvas& canvas();
    // Empty until the canvas was first used.
    [[nodiscard]] const QImage& image() const { return m_image; }

private:
    int m_width;
    int m_height;
    QImage m_image;
    std::optional<Canvas> m_canvas;
};

// The font that stands in on this system for a font name of the windows the program was drawn
// for ("Arial" becomes "Liberation Sans", "Courier New" "Liberation Mono").
[[nodiscard]] QString SubstituteFont(const QString& name);

}  // namespace shell

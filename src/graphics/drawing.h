#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>
#include <variant>
#include <vector>

class QPainter;

namespace graphics {

// Colours as 0x00BBGGRR.
using Color = std::uint32_t;
inline constexpr Color kBlack = 0x00000000;
inline constexpr Color kWhite = 0x00FFFFFF;

[[nodiscard]] QRgb toRgb(Color color);

// A line with both end points painted.
struct LineCommand {
    int x1, y1, x2, y2;
    Color pen;
};
// x1..x2-1 by y1..y2-1 filled with the brush and framed with the pen.
struct RectangleCommand {
    int x1, y1, x2, y2;
    Color pen, brush;
};
// A text with its top-left corner at (x, y); the size is in points at 96 dots per inch.
struct TextCommand {
    int x, y;
    QString text;
    QString fontName;
    int fontSize;
    Color color;
};
using DrawingCommand = std::variant<LineCommand, RectangleCommand, TextCommand>;

// What was drawn on a picture since it was last cleared, in order, on a white ground.
class Drawing final {
public:
    explicit Drawing(QSize size) : m_size(size) {}

    [[nodiscard]] QSize size() const { return m_size; }
    [[nodiscard]] const std::vector<DrawingCommand>& commands() const { return m_commands; }
    // Counts the times the list began anew, so a raster of it knows when to start over.
    [[nodiscard]] std::uint64_t generation() const { return m_generation; }

    // A rectangle that covers the whole picture paints every pixel, so what came before it can
    // never show again: the list begins anew with it.
    void add(DrawingCommand command);

private:
    QSize m_size;
    std::vector<DrawingCommand> m_commands;
    std::uint64_t m_generation = 0;
};

// How a replay maps the picture's pixels onto a surface.
enum class Surface {
    // Device pixels, with the painter untransformed: logical pixel x covers device pixels
    // floor(s*x) .. floor(s*x) + round(s) - 1, so every line is round(s) pixels wide; aliased,
    // and text without antialiasing at scale 1.
    Raster,
    // Logical units under the painter's own transform (SVG, PDF, printer): lines and frames as
    // filled areas one unit wide, slanted lines as strokes, text with its outlines.
    Vector,
};

// Paints the commands from `first` on; `scale` is the device pixel ratio of a raster surface
// and ignored on a vector one.
void replay(const Drawing& drawing, QPainter& painter, Surface surface, double scale = 1.0,
            std::size_t first = 0);

// The drawing as an image of ceil(scale * size) pixels whose device pixel ratio is `scale`.
[[nodiscard]] QImage rasterise(const Drawing& drawing, double scale);

// A raster of a drawing kept up to date by replaying only the commands added since the last
// update, and rendered anew when the list began anew or the scale changed.
class RasterCache final {
public:
    const QImage& update(const Drawing& drawing, double scale);

private:
    QImage m_image;
    double m_scale = 0.0;
    std::uint64_t m_generation = 0;
    std::size_t m_done = 0;
};

// The font that stands in on this system for a font name of the windows the program was drawn
// for ("Arial" becomes "Liberation Sans", "Courier New" "Liberation Mono").
[[nodiscard]] QString substituteFont(const QString& name);

// The pixel height of a font size in points at 96 dots per inch.
[[nodiscard]] int fontPixelSize(int points);

}  // namespace graphics

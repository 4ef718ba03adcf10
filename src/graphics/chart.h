#pragma once

#include <array>
#include <cstdint>

#include "core/binomial_fit.h"
#include "core/models.h"
#include "graphics/canvas.h"
#include "ui/text_field.h"

namespace graphics {

// The sixteen chart colours, by colour-grid index.
inline constexpr std::array<graphics::Color, 16> kColorTable = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

// The chart geometry from the last axes, and the working values of the chart being drawn.
struct ChartState {
    std::uint16_t X0 = 0;  // where the y axis stands
    std::uint16_t Y0 = 0;  // where the x axis lies
    std::uint16_t Breite = 0;
    std::uint16_t Hoehe = 0;
    std::int32_t XPos = 0;
    std::int32_t YPos = 0;
    std::uint16_t Einheit = 0;  // pixels per step of x; 20 steps stand for a probability of 1
    std::uint16_t HalbeBreite = 0;
    double Wert = 0.0;
    graphics::Color Stiftfarbe = graphics::kBlack;
};

// The program's one chart state.
[[nodiscard]] ChartState& Chart();

// The y of a value: roundHalfEven(Y0 - (Einheit * v) * 20), each step in extended precision.
[[nodiscard]] std::int32_t heightOf(const ChartState& chart, double value);

// White inside a one-pixel frame in the pen's colour.
void clearPicture(graphics::Picture& Bild);

// The axes with their ticks, labels and arrow heads; fixes the geometry from the picture's size.
void drawAxes(graphics::Picture& Bild, ChartState& chart);

// h(x) for x = 0..18 as sticks in the colour of the grid index.
void drawStickChart(graphics::Picture& Bild, ChartState& chart, int colorIndex,
                         const core::Frequencies& h);

// B(n;p;x) for x = 0..n as open bars, n and p read from the n and p fields.
void drawHistogram(graphics::Picture& Bild, ChartState& chart, int colorIndex,
                       const ui::TextField& Edit1, const ui::TextField& Edit2);

// The random models over the chart: C(k) and P(k) for k = 0..20 as markers joined by thin lines,
// in two colours that colour-blind readers tell apart, and a legend in the upper right corner
// with each model's total variation distance from h(x). Leaves pen and brush as it found them.
void drawModels(graphics::Picture& Bild, const ChartState& chart,
                    const core::ModelComparison& comparison);

// Okabe and Ito's bluish green and vermillion, as 0x00BBGGRR.
inline constexpr graphics::Color kCramerColor = 0x00739E00;
inline constexpr graphics::Color kPoissonColor = 0x00005ED5;

}  // namespace graphics

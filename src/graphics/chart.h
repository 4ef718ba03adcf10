#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "engine/statistics/binomial_fit.h"
#include "engine/statistics/models.h"
#include "engine/texts/language.h"
#include "graphics/canvas.h"

namespace graphics {

// The sixteen chart colours, by colour-grid index.
inline constexpr std::array<graphics::Color, 16> kColorTable = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

// The chart's geometry, fixed by the last axes drawn; zero before the first.
struct ChartState {
    std::uint16_t originX = 0;   // where the y axis stands
    std::uint16_t baseline = 0;  // where the x axis lies
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint16_t unit = 0;  // pixels per step of x; 20 steps stand for a probability of 1
};

// The y of a value: roundHalfEven(baseline - (unit * v) * 20), each step in extended precision.
[[nodiscard]] std::int32_t heightOf(const ChartState& chart, double value);

// White inside a one-pixel frame in the pen's colour.
void clearPicture(graphics::Picture& picture);

// The axes with their ticks, labels (numbers with the reader's separator) and arrow heads; fixes
// the geometry from the picture's size.
void drawAxes(graphics::Picture& picture, ChartState& chart, const core::Conventions& reader);

// h(x) for x = 0..18 as sticks in the chart colour; the pen is black again after them.
void drawStickChart(graphics::Picture& picture, const ChartState& chart, graphics::Color color,
                    const core::Frequencies& h);

// B(n;p;x) for x = 0..n as open bars in the chart colour, as far as the picture reaches; the pen
// is black again after them. A failure of B(n;p) comes before the first bar.
void drawHistogram(graphics::Picture& picture, const ChartState& chart, graphics::Color color,
                   const core::BinomialFit& fit);

// The random models over the chart: C(k), P(k) and M(k) as markers joined by thin lines, as far
// as the x axis reaches, in three colours that colour-blind readers tell apart, and a legend in
// the upper right corner that names the sticks and gives each model's total variation distance
// from the observed rows. Leaves pen and brush as it found them.
// The legend's stick and bar take the chart colour; its words and numbers are the reader's.
void drawModels(graphics::Picture& picture, const ChartState& chart, graphics::Color chartColor,
                const core::ModelComparison& comparison, const core::Conventions& reader);

// Okabe and Ito's bluish green and vermillion, as 0x00BBGGRR.
inline constexpr graphics::Color kCramerColor = 0x00739E00;
inline constexpr graphics::Color kPoissonColor = 0x00005ED5;
// The models' legend, in the upper right corner of the picture.
inline constexpr int kLegendWidth = 230;
inline constexpr int kLegendHeight = 92;

// Okabe and Ito's blue, for the Montgomery-Soundararajan model.
inline constexpr graphics::Color kMontgomeryColor = 0x00B27200;

}  // namespace graphics

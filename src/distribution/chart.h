#pragma once

#include <array>
#include <cstdint>

#include "distribution/binomial_fit.h"
#include "distribution/models.h"
#include "shell/canvas.h"
#include "shell/text_field.h"

namespace distribution {

// The sixteen chart colours, by colour-grid index.
inline constexpr std::array<shell::TColor, 16> kColorTable = {
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
    shell::TColor Stiftfarbe = shell::clBlack;
};

// The program's one chart state.
[[nodiscard]] ChartState& Chart();

// The y of a value: Round(Y0 - (Einheit * v) * 20), each step in extended precision.
[[nodiscard]] std::int32_t HeightOf(const ChartState& chart, double value);

// White inside a one-pixel frame in the pen's colour.
void ClearPicture(shell::Picture& Bild);

// The axes with their ticks, labels and arrow heads; fixes the geometry from the picture's size.
void ZeichneAchsen(shell::Picture& Bild, ChartState& chart);

// h(x) for x = 0..18 as sticks in the colour of the grid index.
void ZeichneStabdiagramm(shell::Picture& Bild, ChartState& chart, int colorIndex,
                         const Frequencies& h);

// B(n;p;x) for x = 0..n as open bars, n and p read from the n and p fields.
void ZeichneHistogramm(shell::Picture& Bild, ChartState& chart, int colorIndex,
                       const shell::TextField& Edit1, const shell::TextField& Edit2);

// The random models over the chart: C(k) and P(k) for k = 0..20 as markers joined by thin lines,
// in two colours that colour-blind readers tell apart, and a legend in the upper right corner
// with each model's total variation distance from h(x). Leaves pen and brush as it found them.
void ZeichneModelle(shell::Picture& Bild, const ChartState& chart,
                    const ModelComparison& comparison);

// Okabe and Ito's bluish green and vermillion, as 0x00BBGGRR.
inline constexpr shell::TColor kCramerColor = 0x00739E00;
inline constexpr shell::TColor kPoissonColor = 0x00005ED5;

}  // namespace distribution

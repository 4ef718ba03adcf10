#include "chart.h"

#include <QPoint>
#include <array>
#include <string>
#include <vector>

#include "engine/texts/model_text.h"
#include "engine/texts/number_text.h"

namespace graphics {

std::int32_t heightOf(const ChartState& chart, double value) {
    // In extended precision 0.025 lands just below 311.5 and rounds to 311; in double it would
    // reach 311.5 and give 312.
    const long double lifted = (static_cast<long double>(chart.unit) * value) * 20;
    return core::roundHalfEven(static_cast<long double>(chart.baseline) - lifted);
}

void clearPicture(graphics::Picture& picture) {
    graphics::Canvas& canvas = picture.canvas();
    canvas.setBrushColor(graphics::kWhite);
    canvas.rectangle(0, 0, picture.width(), picture.height());
}

void drawAxes(graphics::Picture& picture, ChartState& chart, const core::Conventions& reader) {
    graphics::Canvas& canvas = picture.canvas();
    chart.unit = 35;
    chart.originX = static_cast<std::uint16_t>(picture.width() / 16);
    chart.baseline = static_cast<std::uint16_t>(picture.height() / 8 * 7);
    chart.width = static_cast<std::uint16_t>(picture.width());
    chart.height = static_cast<std::uint16_t>(picture.height());
    canvas.setFontName(QStringLiteral("Arial"));
    canvas.setFontSize(8);

    const int x0 = chart.originX;
    const int y0 = chart.baseline;
    const int right = chart.width - 40;
    canvas.line(40, y0, right, y0);
    canvas.drawText(right, y0 + 10, QStringLiteral("x"));
    canvas.line(right, y0, right - 8, y0 - 3);
    canvas.line(right, y0, right - 8, y0 + 3);

    canvas.line(x0, 20, x0, chart.height - 30);
    canvas.drawText(x0 + 15, 15, QStringLiteral("h(x), B(n;p;k)"));
    canvas.line(x0, 20, x0 + 3, 28);
    canvas.line(x0, 20, x0 - 3, 28);

    for (int i = 0; i <= 18; ++i) {
        const int x = x0 + i * chart.unit;
        canvas.line(x, y0, x, y0 + 3);
        canvas.drawText(x - 2, y0 + 5, QString::number(i));
    }
    for (int i = 1; i <= 4; ++i) {
        const int y = y0 - 2 * chart.unit * i;
        canvas.line(x0, y, x0 - 3, y);
        canvas.drawText(x0 - 20, y - 6,
                        QString::fromStdString(core::text::formatShortest(i / 10.0L, reader)));
    }
}

void drawStickChart(graphics::Picture& picture, const ChartState& chart, graphics::Color color,
                    const core::Frequencies& h) {
    graphics::Canvas& canvas = picture.canvas();
    for (int x = 0; x <= 18; ++x) {
        const int left = chart.originX + x * chart.unit;
        const std::int32_t top = heightOf(chart, h[static_cast<std::size_t>(x)]);
        canvas.setPenColor(color);
        canvas.line(left, chart.baseline, left, top);
    }
    canvas.setPenColor(graphics::kBlack);
}

void drawHistogram(graphics::Picture& picture, const ChartState& chart, graphics::Color color,
                   const core::BinomialFit& fit) {
    graphics::Canvas& canvas = picture.canvas();
    const int half = chart.unit >> 1;
    // The bars stop at n, or once the next bar would begin right of the picture: a fitted n in
    // the millions then costs no more than the bars that can be seen. Before the first axes all
    // bars would fall on one point, so one is enough; an n below 0 still draws the bar for 0.
    std::int64_t bars = 1;
    while (bars <= fit.n && chart.unit > 0 &&
           chart.originX + bars * chart.unit - half < picture.width()) {
        ++bars;
    }
    const std::vector<double> values = core::binomialColumn(fit, static_cast<std::size_t>(bars));
    for (std::size_t x = 0; x < values.size(); ++x) {
        const auto centre = static_cast<std::int32_t>(chart.originX + x * chart.unit);
        const std::int32_t top = heightOf(chart, values[x]);
        canvas.setPenColor(color);
        canvas.line(centre - half, chart.baseline, centre - half, top);
        canvas.line(centre + half, chart.baseline, centre + half, top);
        canvas.line(centre - half, top, centre + half, top);
    }
    canvas.setPenColor(graphics::kBlack);
}

namespace {

using Marker = void (*)(graphics::Canvas& canvas, int x, int y);

void square(graphics::Canvas& canvas, int x, int y) {  // Cramér: a filled square
    canvas.rectangle(x - 2, y - 2, x + 3, y + 3);
}

void diamond(graphics::Canvas& canvas, int x, int y) {  // Poisson: an open diamond
    canvas.moveTo(x, y - 3);
    canvas.lineTo(x + 3, y);
    canvas.lineTo(x, y + 3);
    canvas.lineTo(x - 3, y);
    canvas.lineTo(x, y - 3);
}

void cross(graphics::Canvas& canvas, int x, int y) {  // Montgomery-Soundararajan: a cross
    canvas.line(x - 3, y - 3, x + 3, y + 3);
    canvas.line(x - 3, y + 3, x + 3, y - 3);
}

// A model's shares as markers joined by thin lines, ending with the x axis, before its arrow.
void drawModelCurve(graphics::Canvas& canvas, const ChartState& chart,
                    const std::vector<double>& shares, graphics::Color color, Marker marker) {
    const int axisEnd = chart.width - 40;
    canvas.setPenColor(color);
    canvas.setBrushColor(color);
    std::vector<QPoint> points;
    for (std::size_t k = 0; k < 21 && k < shares.size(); ++k) {
        const int x = chart.originX + static_cast<int>(k) * chart.unit;
        if (x > axisEnd) {
            break;
        }
        points.emplace_back(x, heightOf(chart, shares[k]));
    }
    for (std::size_t i = 1; i < points.size(); ++i) {
        canvas.line(points[i - 1].x(), points[i - 1].y(), points[i].x(), points[i].y());
    }
    for (const QPoint& point : points) {
        marker(canvas, point.x(), point.y());
    }
}

// The legend: a white box with a black frame, one line for the sticks of h(x), one per model
// with its distance, and what the distance means.
void drawModelLegend(graphics::Canvas& canvas, const ChartState& chart, graphics::Color chartColor,
                     const core::ModelComparison& comparison, const core::Conventions& reader) {
    const int right = chart.width - 6;
    const int left = right - kLegendWidth;
    canvas.setPenColor(graphics::kBlack);
    canvas.setBrushColor(graphics::kWhite);
    canvas.rectangle(left, 6, right, 6 + kLegendHeight);
    const std::array<std::string, 6> legend = core::modelLegend(comparison, reader);
    const std::array<std::pair<graphics::Color, Marker>, 3> models{
        {{kCramerColor, square}, {kPoissonColor, diamond}, {kMontgomeryColor, cross}}};
    for (int i = 0; i < 6; ++i) {
        const int y = 16 + 15 * i;
        if (i == 0) {  // a stick in the chart colour
            canvas.setPenColor(chartColor);
            canvas.line(left + 12, y + 4, left + 12, y - 4);
        } else if (i == 1) {  // an open bar in the chart colour
            canvas.setPenColor(chartColor);
            canvas.line(left + 8, y + 4, left + 8, y - 3);
            canvas.line(left + 8, y - 3, left + 16, y - 3);
            canvas.line(left + 16, y - 3, left + 16, y + 4);
        } else if (i < 5) {
            const auto& [color, marker] = models[static_cast<std::size_t>(i - 2)];
            canvas.setPenColor(color);
            canvas.setBrushColor(color);
            canvas.line(left + 5, y, left + 19, y);
            marker(canvas, left + 12, y);
        }
        canvas.drawText(i == 5 ? left + 8 : left + 24, y - 7,
                        QString::fromStdString(legend[static_cast<std::size_t>(i)]));
    }
}

}  // namespace

void drawModels(graphics::Picture& picture, const ChartState& chart, graphics::Color chartColor,
                const core::ModelComparison& comparison, const core::Conventions& reader) {
    graphics::Canvas& canvas = picture.canvas();
    const graphics::Color pen = canvas.penColor();
    const graphics::Color brush = canvas.brushColor();
    drawModelCurve(canvas, chart, comparison.models.cramer, kCramerColor, square);
    drawModelCurve(canvas, chart, comparison.models.poisson, kPoissonColor, diamond);
    drawModelCurve(canvas, chart, comparison.models.montgomery, kMontgomeryColor, cross);
    drawModelLegend(canvas, chart, chartColor, comparison, reader);
    canvas.setPenColor(pen);
    canvas.setBrushColor(brush);
}

}  // namespace graphics

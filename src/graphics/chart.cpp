#include "chart.h"

#include <QCoreApplication>
#include <QPoint>
#include <array>
#include <string>
#include <vector>

#include "core/conversions.h"
#include "engine/texts/model_text.h"

namespace graphics {

namespace {

void chooseColor(ChartState& chart, int colorIndex) {
    if (colorIndex >= 0 && colorIndex < static_cast<int>(kColorTable.size())) {
        chart.penColor = kColorTable[static_cast<std::size_t>(colorIndex)];
    }
}

}  // namespace

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

void drawAxes(graphics::Picture& picture, ChartState& chart) {
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
        chart.x = x0 + i * chart.unit;
        canvas.line(chart.x, y0, chart.x, y0 + 3);
        canvas.drawText(chart.x - 2, y0 + 5, core::formatInteger(i));
    }
    for (int i = 1; i <= 4; ++i) {
        chart.y = y0 - 2 * chart.unit * i;
        canvas.line(x0, chart.y, x0 - 3, chart.y);
        canvas.drawText(x0 - 20, chart.y - 6, core::formatShortest(i / 10.0L));
    }
}

void drawStickChart(graphics::Picture& picture, ChartState& chart, int colorIndex,
                    const core::Frequencies& h) {
    graphics::Canvas& canvas = picture.canvas();
    chooseColor(chart, colorIndex);
    for (int x = 0; x <= 18; ++x) {
        chart.value = h[static_cast<std::size_t>(x)];
        chart.x = chart.originX + x * chart.unit;
        chart.y = heightOf(chart, chart.value);
        canvas.setPenColor(chart.penColor);
        canvas.line(chart.x, chart.baseline, chart.x, chart.y);
    }
    canvas.setPenColor(graphics::kBlack);
}

void drawHistogram(graphics::Picture& picture, ChartState& chart, int colorIndex,
                   const QString& nText, const QString& pText) {
    graphics::Canvas& canvas = picture.canvas();
    chooseColor(chart, colorIndex);
    const std::int32_t n = core::parseInteger(nText);
    const double p = core::parseReal(pText);
    chart.halfWidth = static_cast<std::uint16_t>(chart.unit >> 1);
    const int half = chart.halfWidth;
    std::int64_t x = 0;
    do {
        chart.value = core::binomialProbability(n, static_cast<std::int32_t>(x), p);
        chart.x = static_cast<std::int32_t>(chart.originX + x * chart.unit);
        chart.y = heightOf(chart, chart.value);
        canvas.setPenColor(chart.penColor);
        canvas.line(chart.x - half, chart.baseline, chart.x - half, chart.y);
        canvas.line(chart.x + half, chart.baseline, chart.x + half, chart.y);
        canvas.line(chart.x - half, chart.y, chart.x + half, chart.y);
        ++x;
        // The bars stop at n, or once the next bar would begin right of the picture: a fitted n
        // in the millions then costs no more than the bars that can be seen. Before the first
        // axes all bars would fall on one point, so one is enough.
    } while (x <= n && chart.unit > 0 && chart.originX + x * chart.unit - half < picture.width());
    canvas.setPenColor(graphics::kBlack);
}

void drawModels(graphics::Picture& picture, const ChartState& chart,
                const core::ModelComparison& comparison) {
    graphics::Canvas& canvas = picture.canvas();
    const graphics::Color pen = canvas.penColor();
    const graphics::Color brush = canvas.brushColor();
    const auto square = [&](int x, int y) {  // Cramér: a filled square
        canvas.rectangle(x - 2, y - 2, x + 3, y + 3);
    };
    const auto diamond = [&](int x, int y) {  // Poisson: an open diamond
        canvas.moveTo(x, y - 3);
        canvas.lineTo(x + 3, y);
        canvas.lineTo(x, y + 3);
        canvas.lineTo(x - 3, y);
        canvas.lineTo(x, y - 3);
    };
    const auto cross = [&](int x, int y) {  // Montgomery-Soundararajan: a cross
        canvas.line(x - 3, y - 3, x + 3, y + 3);
        canvas.line(x - 3, y + 3, x + 3, y - 3);
    };
    // The curves end with the x axis, before its arrow.
    const int axisEnd = chart.width - 40;
    const auto model = [&](const std::vector<double>& shares, graphics::Color color,
                           auto&& marker) {
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
            marker(point.x(), point.y());
        }
    };
    model(comparison.models.cramer, kCramerColor, square);
    model(comparison.models.poisson, kPoissonColor, diamond);
    model(comparison.models.montgomery, kMontgomeryColor, cross);

    // The legend: a white box with a black frame, one line for the sticks of h(x), one per
    // model with its distance, and what the distance means.
    const int right = chart.width - 6;
    const int left = right - kLegendWidth;
    canvas.setPenColor(graphics::kBlack);
    canvas.setBrushColor(graphics::kWhite);
    canvas.rectangle(left, 6, right, 6 + kLegendHeight);
    const auto text = [](const char* german) {
        return QCoreApplication::translate("graphics::Chart", german).toStdString();
    };
    core::useSystemSeparator();
    const std::array<std::string, 6> legend = core::modelLegend(
        comparison, {text("h(x): beobachtete Häufigkeiten"), text("Momente B(%1;%2): TV %3"),
                     text("Cramér-Modell: TV %1"), text("Poisson (Gallagher): TV %1"),
                     text("Montgomery–Soundararajan: TV %1"),
                     text("TV: Anteil der Zeilen, die anders liegen")});
    QString texts[6];
    for (std::size_t i = 0; i < legend.size(); ++i) {
        texts[i] = QString::fromStdString(legend[i]);
    }
    for (int i = 0; i < 6; ++i) {
        const int y = 16 + 15 * i;
        if (i == 0) {  // a stick in the chart colour
            canvas.setPenColor(chart.penColor);
            canvas.line(left + 12, y + 4, left + 12, y - 4);
        } else if (i == 1) {  // an open bar in the chart colour
            canvas.setPenColor(chart.penColor);
            canvas.line(left + 8, y + 4, left + 8, y - 3);
            canvas.line(left + 8, y - 3, left + 16, y - 3);
            canvas.line(left + 16, y - 3, left + 16, y + 4);
        } else if (i < 5) {
            const graphics::Color colors[] = {kCramerColor, kPoissonColor, kMontgomeryColor};
            const graphics::Color color = colors[i - 2];
            canvas.setPenColor(color);
            canvas.setBrushColor(color);
            canvas.line(left + 5, y, left + 19, y);
            if (i == 2) {
                square(left + 12, y);
            } else if (i == 3) {
                diamond(left + 12, y);
            } else {
                cross(left + 12, y);
            }
        }
        canvas.drawText(i == 5 ? left + 8 : left + 24, y - 7, texts[i]);
    }
    canvas.setPenColor(pen);
    canvas.setBrushColor(brush);
}

}  // namespace graphics

#include "row_length_chart.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "core/conversions.h"
#include "graphics/chart.h"

namespace graphics {

namespace {

QString text(const char* german) {
    return QCoreApplication::translate("graphics::RowLengthChart", german);
}

}  // namespace

void drawRowLengthChart(Picture& picture, const std::vector<core::RowLengthResult>& results) {
    Canvas& canvas = picture.canvas();
    canvas.setPenColor(kBlack);
    canvas.setBrushColor(kWhite);
    canvas.rectangle(0, 0, picture.width(), picture.height());
    canvas.setFontName(QStringLiteral("Arial"));
    canvas.setFontSize(8);
    if (results.empty()) {
        return;
    }
    const double shortest = results.front().length;
    const double longest = std::max<double>(results.back().length, shortest + 1);
    double top = 1;
    for (const core::RowLengthResult& result : results) {
        top = std::max(top, result.predictedN);
        if (result.comparison) {
            top = std::max(top, static_cast<double>(result.comparison->fit.n));
        }
    }
    top *= 1.25;  // room above the highest point for the legend

    const int left = 50;
    const int right = picture.width() - 30;
    const int bottom = picture.height() - 40;
    const int upper = 20;
    const auto xOf = [&](double length) {
        return left + static_cast<int>(
                          std::lround((length - shortest) / (longest - shortest) * (right - left)));
    };
    const auto yOf = [&](double n) {
        return bottom - static_cast<int>(std::lround(n / top * (bottom - upper)));
    };

    // Axes, with a tick and label every ten lengths and at five heights.
    canvas.line(left, bottom, right + 10, bottom);
    canvas.line(left, bottom, left, upper - 10);
    canvas.drawText(right - 110, bottom + 22, text("L (Zahlen pro Zeile)"));
    canvas.drawText(left + 8, upper - 14, text("n"));
    for (int length = static_cast<int>(std::ceil(shortest / 10) * 10); length <= longest;
         length += 10) {
        canvas.line(xOf(length), bottom, xOf(length), bottom + 3);
        canvas.drawText(xOf(length) - 6, bottom + 5, core::formatInteger(length));
    }
    const double step = std::max(1.0, std::ceil(top / 5));
    for (double n = step; n < top; n += step) {
        canvas.line(left - 3, yOf(n), left, yOf(n));
        canvas.drawText(left - 25, yOf(n) - 6, core::formatInteger(static_cast<std::int64_t>(n)));
    }

    // n = L, as far as it stays within the picture; then n* as a curve.
    canvas.setPenColor(kCramerColor);
    const double lineEnd = std::min(longest, top);
    if (lineEnd > shortest) {
        canvas.line(xOf(shortest), yOf(shortest), xOf(lineEnd), yOf(lineEnd));
    }
    canvas.setPenColor(kMontgomeryColor);
    for (std::size_t i = 1; i < results.size(); ++i) {
        canvas.line(xOf(results[i - 1].length), yOf(results[i - 1].predictedN),
                    xOf(results[i].length), yOf(results[i].predictedN));
    }
    // The fitted n: small black squares.
    canvas.setPenColor(kBlack);
    canvas.setBrushColor(kBlack);
    for (const core::RowLengthResult& result : results) {
        if (result.comparison) {
            const int x = xOf(result.length);
            const int y = yOf(result.comparison->fit.n);
            canvas.rectangle(x - 1, y - 1, x + 2, y + 2);
        }
    }

    // The legend.
    const int legendLeft = left + 20;
    canvas.setBrushColor(kWhite);
    canvas.setPenColor(kBlack);
    canvas.rectangle(legendLeft, upper, legendLeft + 250, upper + 50);
    const QString texts[] = {text("angepasstes n (Momente)"),
                             text("n* = L/(ln L + 1,415) (Montgomery–Soundararajan)"),
                             text("n = L (unabhängige Zahlen)")};
    const Color colors[] = {kBlack, kMontgomeryColor, kCramerColor};
    for (int i = 0; i < 3; ++i) {
        const int y = upper + 10 + 15 * i;
        canvas.setPenColor(colors[i]);
        canvas.setBrushColor(colors[i]);
        if (i == 0) {
            canvas.rectangle(legendLeft + 11, y - 1, legendLeft + 14, y + 2);
        } else {
            canvas.line(legendLeft + 5, y, legendLeft + 19, y);
        }
        canvas.drawText(legendLeft + 24, y - 7, texts[i]);
    }
    canvas.setPenColor(kBlack);
    canvas.setBrushColor(kWhite);
}

}  // namespace graphics

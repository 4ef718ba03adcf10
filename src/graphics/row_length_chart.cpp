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

// Where a row length and an n fall in the picture.
struct Frame {
    double shortest = 0;
    double longest = 0;
    double top = 1;  // the n at the upper edge
    int left = 50;
    int right = 0;
    int bottom = 0;
    int upper = 20;

    [[nodiscard]] int xOf(double length) const {
        return left + static_cast<int>(
                          std::lround((length - shortest) / (longest - shortest) * (right - left)));
    }
    [[nodiscard]] int yOf(double n) const {
        return bottom - static_cast<int>(std::lround(n / top * (bottom - upper)));
    }
};

Frame frameOf(const Picture& picture, const std::vector<core::RowLengthResult>& results) {
    Frame frame;
    frame.shortest = results.front().length;
    frame.longest = std::max<double>(results.back().length, frame.shortest + 1);
    for (const core::RowLengthResult& result : results) {
        frame.top = std::max(frame.top, result.predictedN);
        if (result.comparison) {
            frame.top = std::max(frame.top, static_cast<double>(result.comparison->fit.n));
        }
    }
    frame.top *= 1.25;  // room above the highest point for the legend
    frame.right = picture.width() - 30;
    frame.bottom = picture.height() - 40;
    return frame;
}

// Axes, with a tick and label every ten lengths and at five heights.
void drawFrameAxes(Canvas& canvas, const Frame& f) {
    canvas.line(f.left, f.bottom, f.right + 10, f.bottom);
    canvas.line(f.left, f.bottom, f.left, f.upper - 10);
    canvas.drawText(f.right - 110, f.bottom + 22,
                    text(QT_TRANSLATE_NOOP("graphics::RowLengthChart", "L (Zahlen pro Zeile)")));
    canvas.drawText(f.left + 8, f.upper - 14, QStringLiteral("n"));
    for (int length = static_cast<int>(std::ceil(f.shortest / 10) * 10); length <= f.longest;
         length += 10) {
        canvas.line(f.xOf(length), f.bottom, f.xOf(length), f.bottom + 3);
        canvas.drawText(f.xOf(length) - 6, f.bottom + 5, QString::number(length));
    }
    const double step = std::max(1.0, std::ceil(f.top / 5));
    for (double n = step; n < f.top; n += step) {
        canvas.line(f.left - 3, f.yOf(n), f.left, f.yOf(n));
        canvas.drawText(f.left - 25, f.yOf(n) - 6, QString::number(static_cast<std::int64_t>(n)));
    }
}

// n = L, as far as it stays within the picture; n* as a curve; the fitted n as small black
// squares.
void drawLengthCurves(Canvas& canvas, const Frame& f,
                      const std::vector<core::RowLengthResult>& results) {
    canvas.setPenColor(kCramerColor);
    const double lineEnd = std::min(f.longest, f.top);
    if (lineEnd > f.shortest) {
        canvas.line(f.xOf(f.shortest), f.yOf(f.shortest), f.xOf(lineEnd), f.yOf(lineEnd));
    }
    canvas.setPenColor(kMontgomeryColor);
    for (std::size_t i = 1; i < results.size(); ++i) {
        canvas.line(f.xOf(results[i - 1].length), f.yOf(results[i - 1].predictedN),
                    f.xOf(results[i].length), f.yOf(results[i].predictedN));
    }
    canvas.setPenColor(kBlack);
    canvas.setBrushColor(kBlack);
    for (const core::RowLengthResult& result : results) {
        if (result.comparison) {
            const int x = f.xOf(result.length);
            const int y = f.yOf(result.comparison->fit.n);
            canvas.rectangle(x - 1, y - 1, x + 2, y + 2);
        }
    }
}

void drawLengthLegend(Canvas& canvas, const Frame& f) {
    const int legendLeft = f.left + 20;
    canvas.setBrushColor(kWhite);
    canvas.setPenColor(kBlack);
    canvas.rectangle(legendLeft, f.upper, legendLeft + 250, f.upper + 50);
    const QString texts[] = {
        text(QT_TRANSLATE_NOOP("graphics::RowLengthChart", "angepasstes n (Momente)")),
        text(QT_TRANSLATE_NOOP("graphics::RowLengthChart",
                               "n* = L/(ln L + 1,415) (Montgomery–Soundararajan)")),
        text(QT_TRANSLATE_NOOP("graphics::RowLengthChart", "n = L (unabhängige Zahlen)"))};
    const Color colors[] = {kBlack, kMontgomeryColor, kCramerColor};
    for (int i = 0; i < 3; ++i) {
        const int y = f.upper + 10 + 15 * i;
        canvas.setPenColor(colors[i]);
        canvas.setBrushColor(colors[i]);
        if (i == 0) {
            canvas.rectangle(legendLeft + 11, y - 1, legendLeft + 14, y + 2);
        } else {
            canvas.line(legendLeft + 5, y, legendLeft + 19, y);
        }
        canvas.drawText(legendLeft + 24, y - 7, texts[i]);
    }
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
    const Frame frame = frameOf(picture, results);
    drawFrameAxes(canvas, frame);
    drawLengthCurves(canvas, frame, results);
    drawLengthLegend(canvas, frame);
    canvas.setPenColor(kBlack);
    canvas.setBrushColor(kWhite);
}

}  // namespace graphics

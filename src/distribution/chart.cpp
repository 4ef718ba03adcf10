#include "chart.h"

#include <QPoint>
#include <vector>

#include "shell/conversions.h"

namespace distribution {

namespace {

void line(shell::Canvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

void chooseColor(ChartState& chart, int colorIndex) {
    if (colorIndex >= 0 && colorIndex < static_cast<int>(kColorTable.size())) {
        chart.Stiftfarbe = kColorTable[static_cast<std::size_t>(colorIndex)];
    }
}

}  // namespace

ChartState& Chart() {
    static ChartState chart;
    return chart;
}

std::int32_t HeightOf(const ChartState& chart, double value) {
    // In extended precision 0.025 lands just below 311.5 and rounds to 311; in double it would
    // reach 311.5 and give 312.
    const long double lifted = (static_cast<long double>(chart.Einheit) * value) * 20;
    return shell::Round(static_cast<long double>(chart.Y0) - lifted);
}

void ClearPicture(shell::Picture& Bild) {
    shell::Canvas& canvas = Bild.canvas();
    canvas.SetBrushColor(shell::clWhite);
    canvas.Rectangle(0, 0, Bild.Width(), Bild.Height());
}

void ZeichneAchsen(shell::Picture& Bild, ChartState& chart) {
    shell::Canvas& canvas = Bild.canvas();
    chart.Einheit = 35;
    chart.X0 = static_cast<std::uint16_t>(Bild.Width() / 16);
    chart.Y0 = static_cast<std::uint16_t>(Bild.Height() / 8 * 7);
    chart.Breite = static_cast<std::uint16_t>(Bild.Width());
    chart.Hoehe = static_cast<std::uint16_t>(Bild.Height());
    canvas.SetFontName(QStringLiteral("Arial"));
    canvas.SetFontSize(8);

    const int x0 = chart.X0;
    const int y0 = chart.Y0;
    const int right = chart.Breite - 40;
    line(canvas, 40, y0, right, y0);
    canvas.TextOut(right, y0 + 10, QStringLiteral("x"));
    line(canvas, right, y0, right - 8, y0 - 3);
    line(canvas, right, y0, right - 8, y0 + 3);

    line(canvas, x0, 20, x0, chart.Hoehe - 30);
    canvas.TextOut(x0 + 15, 15, QStringLiteral("h(x), B(n;p;k)"));
    line(canvas, x0, 20, x0 + 3, 28);
    line(canvas, x0, 20, x0 - 3, 28);

    for (int i = 0; i <= 18; ++i) {
        chart.XPos = x0 + i * chart.Einheit;
        line(canvas, chart.XPos, y0, chart.XPos, y0 + 3);
        canvas.TextOut(chart.XPos - 2, y0 + 5, shell::IntToStr(i));
    }
    for (int i = 1; i <= 4; ++i) {
        chart.YPos = y0 - 2 * chart.Einheit * i;
        line(canvas, x0, chart.YPos, x0 - 3, chart.YPos);
        canvas.TextOut(x0 - 20, chart.YPos - 6, shell::FloatToStr(i / 10.0L));
    }
}

void ZeichneStabdiagramm(shell::Picture& Bild, ChartState& chart, int colorIndex,
                         const Frequencies& h) {
    shell::Canvas& canvas = Bild.canvas();
    chooseColor(chart, colorIndex);
    for (int x = 0; x <= 18; ++x) {
        chart.Wert = h[static_cast<std::size_t>(x)];
        chart.XPos = chart.X0 + x * chart.Einheit;
        chart.YPos = HeightOf(chart, chart.Wert);
        canvas.SetPenColor(chart.Stiftfarbe);
        line(canvas, chart.XPos, chart.Y0, chart.XPos, chart.YPos);
    }
    canvas.SetPenColor(shell::clBlack);
}

void ZeichneHistogramm(shell::Picture& Bild, ChartState& chart, int colorIndex,
                       const shell::TextField& Edit1, const shell::TextField& Edit2) {
    shell::Canvas& canvas = Bild.canvas();
    chooseColor(chart, colorIndex);
    const std::int32_t n = shell::StrToInt(Edit1.Text());
    const double p = shell::StrToFloat(Edit2.Text());
    chart.HalbeBreite = static_cast<std::uint16_t>(chart.Einheit >> 1);
    const int half = chart.HalbeBreite;
    std::int64_t x = 0;
    do {
        chart.Wert = Binomialwert(n, static_cast<std::int32_t>(x), p);
        chart.XPos = static_cast<std::int32_t>(chart.X0 + x * chart.Einheit);
        chart.YPos = HeightOf(chart, chart.Wert);
        canvas.SetPenColor(chart.Stiftfarbe);
        line(canvas, chart.XPos - half, chart.Y0, chart.XPos - half, chart.YPos);
        line(canvas, chart.XPos + half, chart.Y0, chart.XPos + half, chart.YPos);
        line(canvas, chart.XPos - half, chart.YPos, chart.XPos + half, chart.YPos);
        ++x;
        // The bars stop at n, or once the next bar would begin right of the picture: a fitted n
        // in the millions then costs no more than the bars that can be seen. Before the first
        // axes all bars would fall on one point, so one is enough.
    } while (x <= n && chart.Einheit > 0 && chart.X0 + x * chart.Einheit - half < Bild.Width());
    canvas.SetPenColor(shell::clBlack);
}

void ZeichneModelle(shell::Picture& Bild, const ChartState& chart,
                    const ModelComparison& comparison) {
    shell::Canvas& canvas = Bild.canvas();
    const shell::TColor pen = canvas.PenColor();
    const shell::TColor brush = canvas.BrushColor();
    const auto square = [&](int x, int y) {  // Cramér: a filled square
        canvas.Rectangle(x - 2, y - 2, x + 3, y + 3);
    };
    const auto diamond = [&](int x, int y) {  // Poisson: an open diamond
        canvas.MoveTo(x, y - 3);
        canvas.LineTo(x + 3, y);
        canvas.LineTo(x, y + 3);
        canvas.LineTo(x - 3, y);
        canvas.LineTo(x, y - 3);
    };
    const auto model = [&](const std::vector<double>& shares, shell::TColor color, auto&& marker) {
        canvas.SetPenColor(color);
        canvas.SetBrushColor(color);
        std::vector<QPoint> points;
        for (std::size_t k = 0; k < 21 && k < shares.size(); ++k) {
            points.emplace_back(chart.X0 + static_cast<int>(k) * chart.Einheit,
                                HeightOf(chart, shares[k]));
        }
        for (std::size_t i = 1; i < points.size(); ++i) {
            line(canvas, points[i - 1].x(), points[i - 1].y(), points[i].x(), points[i].y());
        }
        for (const QPoint& point : points) {
            marker(point.x(), point.y());
        }
    };
    model(comparison.models.cramer, kCramerColor, square);
    model(comparison.models.poisson, kPoissonColor, diamond);

    // The legend: a white box with a black frame, one line per model.
    const int right = chart.Breite - 6;
    const int left = right - 200;
    canvas.SetPenColor(shell::clBlack);
    canvas.SetBrushColor(shell::clWhite);
    canvas.Rectangle(left, 6, right, 58);
    const auto tv = [](double value) { return shell::FloatToStrF(value, shell::ffFixed, 4, 3); };
    const QString texts[] = {QStringLiteral("Momente B(%1;%2): TV %3")
                                 .arg(shell::IntToStr(comparison.fit.n),
                                      shell::FloatToStrF(comparison.fit.p, shell::ffFixed, 6, 4),
                                      tv(comparison.tvMoments)),
                             QStringLiteral("Cramér-Modell: TV ") + tv(comparison.tvCramer),
                             QStringLiteral("Poisson (Gallagher): TV ") + tv(comparison.tvPoisson)};
    for (int i = 0; i < 3; ++i) {
        const int y = 16 + 15 * i;
        if (i == 0) {  // an open bar in the chart colour
            canvas.SetPenColor(chart.Stiftfarbe);
            line(canvas, left + 8, y + 4, left + 8, y - 3);
            line(canvas, left + 8, y - 3, left + 16, y - 3);
            line(canvas, left + 16, y - 3, left + 16, y + 4);
        } else {
            const shell::TColor color = i == 1 ? kCramerColor : kPoissonColor;
            canvas.SetPenColor(color);
            canvas.SetBrushColor(color);
            line(canvas, left + 5, y, left + 19, y);
            if (i == 1) {
                square(left + 12, y);
            } else {
                diamond(left + 12, y);
            }
        }
        canvas.TextOut(left + 24, y - 7, texts[i]);
    }
    canvas.SetPenColor(pen);
    canvas.SetBrushColor(brush);
}

}  // namespace distribution

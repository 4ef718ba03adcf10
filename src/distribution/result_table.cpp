#include "result_table.h"

#include "shell/arithmetic.h"
#include "shell/conversions.h"

namespace distribution {

using shell::ffFixed;
using shell::FloatToStrF;

void FuelleTabelle(const TableControls& controls, const Frequencies& h,
                   const shell::ScannedRange& scanned) {
    shell::StringGrid& tab = controls.Tab;
    const auto edit = [&](int number) -> shell::TextField& { return *controls.Edit[number - 1]; };

    tab.SetCell(0, 0, QStringLiteral("x"));
    tab.SetCell(0, 1, QStringLiteral("h(x)"));
    tab.SetCell(0, 2, QStringLiteral("B(n;p)"));

    const BinomialFit fit = FitBinomial(h);
    edit(1).SetText(shell::IntToStr(fit.n));
    edit(2).SetText(FloatToStrF(fit.p, ffFixed, 6, 4));

    for (int x = 0; x <= 18; ++x) {
        const int column = x + 1;
        tab.SetCell(column, 0, FloatToStrF(x, ffFixed, 2, 0));
        tab.SetCell(column, 1, FloatToStrF(h[static_cast<std::size_t>(x)], ffFixed, 4, 4));
        tab.SetCell(column, 2, FloatToStrF(Binomialwert(fit.n, x, fit.p), ffFixed, 4, 4));
    }

    const long double np = static_cast<long double>(fit.n) * fit.p;
    edit(3).SetText(FloatToStrF(Erwartungswert(h), ffFixed, 6, 4));
    edit(4).SetText(FloatToStrF(static_cast<double>(np), ffFixed, 6, 4));
    edit(5).SetText(FloatToStrF(Standardabweichung(h), ffFixed, 6, 4));
    edit(6).SetText(FloatToStrF(shell::SquareRoot(np * (1.0L - fit.p)), ffFixed, 6, 4));

    edit(7).SetText(shell::IntToStr(scanned.ZahlenProZeile));
    edit(8).SetText(shell::IntToStr(scanned.Von));
    edit(9).SetText(shell::IntToStr(scanned.Bis));
}

}  // namespace distribution

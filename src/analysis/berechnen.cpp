#include "berechnen.h"

#include <numeric>

#include "analysis/row_scan.h"
#include "shell/conversions.h"

namespace analysis {

using shell::FloatToStrF;
using shell::IntToStr;
using shell::Str;
using shell::StrToInt;

RowLengthError::RowLengthError()
    : shell::Failure(QStringLiteral("Die Anzahl Zahlen pro Zeile muss mindestens 1 sein.")) {}

namespace {

void addFrequencyTable(shell::ListBoxItems& list, const RowScan& scan,
                       const std::array<double, 21>& shares, std::int32_t tallied, double sum) {
    list.Add(QStringLiteral(" "));
    list.Add(QStringLiteral("Primz/Zeile: Anzahl, relative Häufigkeit"));
    for (std::size_t k = 0; k < shares.size(); ++k) {
        list.Add(QStringLiteral("%1   : ").arg(k, 3) + Str(scan.Haeufigkeit[k], 6) +
                 QStringLiteral("-mal,     ") + FloatToStrF(shares[k], shell::ffFixed, 5, 5));
    }
    list.Add(QString());
    list.Add(QStringLiteral(" Summe:    ") + IntToStr(tallied) + QStringLiteral("       ") +
             FloatToStrF(sum, shell::ffFixed, 5, 5));
    list.Add(QString());
    list.Add(QStringLiteral(" Primzahlen gesamt:     ") + IntToStr(scan.P));
}

}  // namespace

void Berechnen(const ScanControls& controls, shell::SharedState& state) {
    const std::int32_t length = StrToInt(controls.Edit3.Text());
    state.ZahlenProZeile = length;
    controls.ListBox1.Clear();

    const std::int32_t lower = StrToInt(controls.Edit2.Text());
    if (length < 1) {
        throw RowLengthError();
    }
    // In 64 bits: the largest lower bound would otherwise overflow at row length 1.
    const std::int64_t lo = std::int64_t{lower / length} * length + 1;
    controls.Edit2.SetText(IntToStr(lo));
    const std::int32_t upper = StrToInt(controls.Edit1.Text());
    const std::int64_t up = std::int64_t{upper / length} * length;
    controls.Edit1.SetText(IntToStr(up));

    if (lo > up || lo > kRangeLimit || up > kRangeLimit || lo < -kRangeLimit) {
        return;
    }

    const RowScan scan = ScanRows(lo, up, length);
    const std::int32_t tallied =
        std::accumulate(scan.Haeufigkeit.begin(), scan.Haeufigkeit.end(), std::int32_t{0});
    std::array<double, 21> shares{};
    double sum = 0.0;
    for (std::size_t k = 0; k < shares.size(); ++k) {
        // Quotient and running sum are formed in extended precision and stored as doubles.
        if (tallied > 0) {
            shares[k] = static_cast<double>(static_cast<long double>(scan.Haeufigkeit[k]) /
                                            static_cast<long double>(tallied));
        }
        sum = static_cast<double>(static_cast<long double>(sum) + shares[k]);
    }
    state.RelHaeufigkeit = shares;
    state.Gescannt = {length, lo, up};
    state.Zeile = scan.rows->rowText(scan.rows->count() - 1);

    controls.ListBox1.AddLines(scan.rows);
    addFrequencyTable(controls.ListBox1, scan, shares, tallied, sum);
}

}  // namespace analysis

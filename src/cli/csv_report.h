#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "cli/report.h"
#include "engine/rows/row_lengths.h"
#include "engine/rows/rows.h"
#include "engine/statistics/fit_report.h"
#include "engine/statistics/models.h"
#include "engine/texts/summary_text.h"

namespace core {

// How a CSV table looks: commas and decimal points for programs, or semicolons, decimal commas,
// a byte order mark and CRLF line ends, as German spreadsheets open it by double-click.
enum class CsvStyle { Plain, German };

// One table per file, each rectangular, each row carrying the range and row length of its run,
// numbers in the shortest form that reads back exactly.
class CsvTable final {
public:
    explicit CsvTable(CsvStyle style) : m_style(style) {}

    // The byte order mark where the style has one, then the heading.
    [[nodiscard]] QString heading(const QStringList& columns) const;
    // One row, its line end included.
    [[nodiscard]] QString row(const QStringList& cells) const;
    [[nodiscard]] QString number(double value) const;
    [[nodiscard]] QString number(Number value) const {
        return QString::fromStdString(text::numberText(value));
    }

private:
    CsvStyle m_style;
};

// The columns a run asked for: they stay the same whether or not its fit succeeds.
struct CsvColumns {
    bool fit = false;
    bool models = false;
};

// B(n;p)(k) of a fit for k = 0..20: the engine's column, as the graph window's table shows it;
// raises its failures (p = 1 divides by zero there).
[[nodiscard]] std::array<double, 21> binomialColumn(const FitReport& fit);

// The tally: one row per k = 0..20 with its rows and share, the fitted B(n;p)(k) and each
// model's share where asked for (empty where there is none); the rows with more than 20
// primes, all rows and all primes as columns of their own.
// Where rows hold more than 20 primes (`whole`), one row more for each k from 21 (or the lowest
// count above 20) to the highest, after the others and in the same columns: its share among the
// rows with at most 20 and the fit over them empty, the models' shares those over the whole
// distribution. The heading and the rows k = 0..20 stay as they are.
[[nodiscard]] QString frequencyCsv(CsvStyle style, CsvColumns columns, const RowRange& range,
                                   const SummaryText& summary, const RowTally& tally,
                                   const std::optional<std::array<double, 21>>& binomial,
                                   const std::optional<ModelComparison>& models,
                                   const std::optional<WholeRows>& whole = {});

// The fit in one row: n, p, means and deviations, and with models n*, the distances and the
// variances. Only the heading where there is no fit.
// Where rows hold more than 20 primes (`whole`), the row is written even without that fit, and
// columns follow for the statistics over all rows, and with models their comparison over the
// whole distribution.
[[nodiscard]] QString fitCsv(CsvStyle style, CsvColumns columns, const RowRange& range,
                             const RowTally& tally, const std::optional<FitReport>& fit,
                             const std::optional<ModelComparison>& models,
                             const std::optional<WholeRows>& whole = {});

// The rows themselves: first number, marks ("O" a prime, "+" none) and count.
[[nodiscard]] QString rowsCsvHeading(CsvStyle style);
[[nodiscard]] QString rowCsv(CsvStyle style, const RowRange& range, std::uint64_t row,
                             std::uint32_t count, const std::vector<std::uint32_t>& offsets);

// Every row length of from..to: rows, the fit, n*, the distances and variances; empty cells
// where a length has no fit.
[[nodiscard]] QString rowLengthCsv(CsvStyle style, Number from, Number to,
                                   const std::vector<RowLengthResult>& results);

}  // namespace core

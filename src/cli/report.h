#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "cli/json_text.h"
#include "engine/rows/row_lengths.h"
#include "engine/rows/rows.h"
#include "engine/statistics/distribution.h"
#include "engine/statistics/fit_report.h"
#include "engine/statistics/models.h"
#include "engine/texts/language.h"
#include "engine/texts/summary_text.h"

namespace core {

// What a run says about all its rows where some hold more than 20 primes, beside the block on
// the rows with at most 20 that the windows know.
struct WholeRows {
    RowStatistics statistics;
    bool fit = false;                       // --anpassung: the moment fit over all rows
    std::optional<WholeComparison> models;  // --modelle
};

// The engine's fixed notation (text::formatFixed) for the reader, as the command line writes it.
[[nodiscard]] QString fixedText(long double value, int precision, int digits,
                                const Conventions& reader);

// The frequency block of the main window and one line for the rows with more than 20 primes.
[[nodiscard]] QStringList summaryLines(const core::SummaryText& summary,
                                       const core::RowTally& tally);

// "Label: value" lines, formatted as the graph window's fields.
[[nodiscard]] QStringList fitLines(const FitReport& fit, const Conventions& reader);

// Per k = 0..20 h(k), B(n;p)(k), C(k) and P(k), then the distances and the variances.
[[nodiscard]] QStringList modelLines(const core::ModelComparison& models,
                                     const Conventions& reader);

// Every count of primes from the lowest to the highest that a row holds, with its rows and their
// share of all rows, in the layout of the frequency block.
[[nodiscard]] QStringList distributionLines(const RowTally& tally, const Conventions& reader);

// The statistics over all rows, and with models their comparison over the whole distribution.
[[nodiscard]] QStringList wholeRowLines(const WholeRows& whole, const RowTally& tally,
                                        const Conventions& reader);

// The same numbers for programs as one JSON object, each number in the shortest form that
// reads back exactly; jsonText writes it. A tally with rows of more than 20 primes adds its
// whole distribution ("verteilung"), and `whole` what is said about all rows.
[[nodiscard]] Json reportJson(const core::RowRange& range, const core::SummaryText& summary,
                              const core::RowTally& tally, const std::optional<FitReport>& fit,
                              const std::optional<core::ModelComparison>& models = {},
                              const std::optional<WholeRows>& whole = {});

// One row of the listing as an element of the JSON array "zeilenliste" (jsonListElement).
[[nodiscard]] QString rowJson(const RowRange& range, std::uint64_t row, std::uint32_t count,
                              const std::vector<std::uint32_t>& offsets);

// One line per row length: rows, the fitted n and p, n*, and each model's distance; a length
// without a whole row or without a fit says so.
[[nodiscard]] QStringList rowLengthLines(const std::vector<RowLengthResult>& results,
                                         const Conventions& reader);
// The same as JSON.
[[nodiscard]] QString rowLengthJson(Number from, Number to,
                                    const std::vector<RowLengthResult>& results);

}  // namespace core

#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "analysis/wide_scan.h"
#include "distribution/binomial_fit.h"
#include "distribution/models.h"

namespace cli {

// A whole number from 0 to 2^64-1 as digits, or as "1e12" or "10^12"; none for anything else
// (a sign, a blank, letters, an empty text, a value beyond 2^64-1).
[[nodiscard]] std::optional<std::uint64_t> ParseCount(const QString& text);

// The binomial fit of a tally and the moments the graph window shows.
struct Fit {
    distribution::BinomialFit binomial;
    double meanH = 0.0;
    double deviationH = 0.0;
    long double meanB = 0.0L;
    long double deviationB = 0.0L;
};

// Raises the program's failure types where the graph window's fit fails.
[[nodiscard]] Fit FitTally(const analysis::FrequencySummary& summary);

// The frequency block of the main window and one line for the rows with more than 20 primes.
[[nodiscard]] QStringList SummaryLines(const analysis::FrequencySummary& summary,
                                       const analysis::WideTally& tally);

// "Label: value" lines, formatted as the graph window's fields.
[[nodiscard]] QStringList FitLines(const Fit& fit);

// The random models of the range beside the observed shares and the moment fit.
[[nodiscard]] distribution::ModelComparison CompareWithModels(
    const analysis::WideRange& range, const analysis::FrequencySummary& summary);

// Per k = 0..20 h(k), B(n;p)(k), C(k) and P(k), then the distances and the variances.
[[nodiscard]] QStringList ModelLines(const distribution::ModelComparison& models);

// The same numbers for programs, in full precision with a decimal point.
[[nodiscard]] QString CsvReport(const analysis::FrequencySummary& summary,
                                const analysis::WideTally& tally, const std::optional<Fit>& fit,
                                const std::optional<distribution::ModelComparison>& models = {});
[[nodiscard]] QString JsonReport(const analysis::WideRange& range,
                                 const analysis::FrequencySummary& summary,
                                 const analysis::WideTally& tally, const std::optional<Fit>& fit,
                                 const std::optional<distribution::ModelComparison>& models = {});

}  // namespace cli

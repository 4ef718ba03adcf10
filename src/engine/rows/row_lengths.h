#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/failures.h"
#include "engine/rows/rows.h"
#include "engine/statistics/models.h"
#include "engine/statistics/sweep.h"

namespace core {

// One row length of a range: its rows, their tally, and where a fit stands, the fit beside the
// models; otherwise why it does not.
struct RowLengthResult {
    std::uint32_t length = 0;
    std::optional<RowRange> range;  // none where no whole row is left
    RowTally tally;
    double predictedN = 0.0;
    std::optional<ModelComparison> comparison;
    std::optional<Failure> failure;  // the fit's failure, where there is one
    // The models over the whole distribution (addWholeRecords): the fit and the models above
    // see only the rows up to 20.
    std::optional<SweepRecord> whole;
};

// from..to in rows of every length shortest..longest, each adjusted to whole rows as the main
// window adjusts it, counted, fitted, and compared with the random models. A range of at most
// 20,000,000 numbers is marked once and tallied for every length; a longer one is counted anew
// for each length on `threads` threads. `done`, where given, hears of each finished length and
// may set control.stop. Returns what is done once control.stop is set.
[[nodiscard]] std::vector<RowLengthResult> compareRowLengths(
    Number from, Number to, std::uint32_t shortest, std::uint32_t longest, unsigned threads,
    ScanControl& control, ModelPrecision precision = ModelPrecision::Exact,
    const std::function<void(std::uint32_t length)>& done = {});

// The same for the lengths of a list, in its order, each from 1 to 10,000,000.
[[nodiscard]] std::vector<RowLengthResult> compareRowLengths(
    Number from, Number to, const std::vector<std::uint32_t>& lengths, unsigned threads,
    ScanControl& control, ModelPrecision precision = ModelPrecision::Exact,
    const std::function<void(std::uint32_t length)>& done = {});

// Gives every length its record over the whole distribution where, for some length, a row holds
// more than 20 primes: there the fit over the rows up to 20 leaves out a part of the
// distribution, as a single run then also adds its block over all rows. Returns whether it did.
bool addWholeRecords(std::vector<RowLengthResult>& results);

}  // namespace core

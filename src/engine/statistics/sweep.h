#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/failures.h"
#include "engine/rows/rows.h"
#include "engine/statistics/distribution.h"

namespace core {

// One point of a sweep: the rows of `length` numbers in the window height+1 .. height+window
// (adjusted to whole rows), their tally, and the models over their whole distribution.
struct SweepRecord {
    Number height = 0;
    std::uint32_t length = 0;
    std::optional<RowRange> range;  // none where no whole row is left
    RowTally tally;
    std::optional<WholeComparison> comparison;  // none without rows or where the models fail
    // The models' failure, where there is one: its text in the reader's language.
    std::optional<Failure> failure;
};

// The window at `height` in rows of `length`: height+1 .. height+window adjusted to whole rows;
// none where no whole row is left or the window passes 2^64-1.
[[nodiscard]] std::optional<RowRange> sweepWindow(Number height, Number window,
                                                  std::uint32_t length);

// One record per height and length, heights first in the order given, then lengths: every
// window counted in one call of countRanges, so that its threads work across the records, and
// each compared with the models over its whole distribution. Returns what is counted once
// control.stop is set, without comparisons.
[[nodiscard]] std::vector<SweepRecord> sweepHeights(const std::vector<Number>& heights,
                                                    Number window,
                                                    const std::vector<std::uint32_t>& lengths,
                                                    unsigned threads, ScanControl& control);

// The record of a range already counted: its models over the whole distribution, or the failure
// that kept them from being made.
[[nodiscard]] SweepRecord sweepRecord(Number height, std::uint32_t length,
                                      const std::optional<RowRange>& range, const RowTally& tally);

// The standard deviation observed over that of the Montgomery-Soundararajan model.
[[nodiscard]] double deviationRatio(const WholeComparison& comparison);

}  // namespace core

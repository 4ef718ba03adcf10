#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/rows/rows.h"
#include "engine/statistics/models.h"

namespace core {

// One row length of a range: its rows, their tally, and where a fit stands, the fit beside the
// models; otherwise why it does not.
struct RowLengthResult {
    std::uint32_t length = 0;
    std::optional<RowRange> range;  // none where no whole row is left
    RowTally tally;
    double predictedN = 0.0;
    std::optional<ModelComparison> comparison;
    std::string failure;  // the fit's failure, where there is one (UTF-8)
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

}  // namespace core

#include "sweep.h"

#include <cmath>

#include "engine/failures.h"
#include "engine/statistics/models.h"

namespace core {

std::optional<RowRange> sweepWindow(Number height, Number window, std::uint32_t length) {
    if (height < 0 || window < 1 || height + window > kHighestNumber) {
        return std::nullopt;
    }
    return adjustToRows(height + 1, height + window, length);
}

SweepRecord sweepRecord(Number height, std::uint32_t length, const std::optional<RowRange>& range,
                        const RowTally& tally) {
    SweepRecord record{height, length, range, tally, std::nullopt, {}};
    if (!range || tally.totalRows() == 0) {
        return record;
    }
    try {
        record.comparison = compareWholeModels(tally, modelRows(*range));
    } catch (const Failure& failure) {
        record.failure = failure;
    }
    return record;
}

std::vector<SweepRecord> sweepHeights(const std::vector<Number>& heights, Number window,
                                      const std::vector<std::uint32_t>& lengths, unsigned threads,
                                      ScanControl& control) {
    std::vector<std::optional<RowRange>> windows;
    std::vector<RowRange> ranges;
    for (const Number height : heights) {
        for (const std::uint32_t length : lengths) {
            windows.push_back(sweepWindow(height, window, length));
            if (windows.back()) {
                ranges.push_back(*windows.back());
            }
        }
    }
    const std::vector<RowTally> tallies = countRanges(ranges, threads, control);
    std::vector<SweepRecord> records;
    std::size_t counted = 0;
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const Number height = heights[i / lengths.size()];
        const std::uint32_t length = lengths[i % lengths.size()];
        if (control.stop) {
            records.push_back({height, length, windows[i], {}, std::nullopt, {}});
        } else if (windows[i]) {
            records.push_back(sweepRecord(height, length, windows[i], tallies.at(counted++)));
        } else {
            records.push_back(sweepRecord(height, length, std::nullopt, {}));
        }
    }
    return records;
}

double deviationRatio(const WholeComparison& comparison) {
    return std::sqrt(comparison.ratioMontgomery);
}

}  // namespace core

#include "row_lengths.h"

#include <algorithm>
#include <array>
#include <memory>

#include "engine/failures.h"
#include "engine/rows/prime_marks.h"
#include "engine/rows/row_text.h"
#include "engine/texts/summary_text.h"

namespace core {

namespace {

constexpr Number kMarkedAtOnce = 20'000'000;

RowTally tallyOfRange(const PrimeMarks& marks, const RowRange& range) {
    std::array<std::int32_t, 21> counts{};
    std::int64_t primes = 0;
    marks.tallyRows(static_cast<std::int64_t>(range.first), static_cast<std::int32_t>(range.length),
                    static_cast<std::int64_t>(range.rows()), counts, primes);
    return tallyFromMarks(counts, primes, range.rows());
}

}  // namespace

std::vector<RowLengthResult> compareRowLengths(Number from, Number to, std::uint32_t shortest,
                                               std::uint32_t longest, unsigned threads,
                                               ScanControl& control, ModelPrecision precision,
                                               const std::function<void(std::uint32_t)>& done) {
    std::vector<RowLengthResult> results;
    // Every length's rows lie within from - longest .. to.
    std::unique_ptr<const PrimeMarks> marks;
    const Number low = from - longest;
    if (to - low <= kMarkedAtOnce && to <= kHighestNumber) {
        marks = std::make_unique<const PrimeMarks>(static_cast<std::int64_t>(low),
                                                   static_cast<std::int64_t>(std::max(to, low)));
    }
    for (std::uint32_t length = shortest; length <= longest && !control.stop; ++length) {
        RowLengthResult result;
        result.length = length;
        result.predictedN = predictedN(length);
        result.range = adjustToRows(from, to, length);
        if (result.range) {
            result.tally = marks ? tallyOfRange(*marks, *result.range)
                                 : countRange(*result.range, threads, control);
            if (control.stop) {
                break;
            }
            try {
                const SummaryText summary = summaryText(result.tally);
                result.comparison =
                    compareModels(computeModels(modelRows(*result.range), 20, precision),
                                  summary.shares, beyondTwentyShare(result.tally));
            } catch (const Failure& failure) {
                result.failure = failure.text();
            }
        }
        results.push_back(std::move(result));
        if (done) {
            done(length);
        }
    }
    return results;
}

}  // namespace core

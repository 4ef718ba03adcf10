#include "row_lengths.h"

#include <algorithm>
#include <array>
#include <memory>

#include "engine/arithmetic.h"
#include "engine/failures.h"
#include "engine/rows/prime_marks.h"
#include "engine/rows/row_text.h"
#include "engine/texts/summary_text.h"

namespace core {

namespace {

constexpr Number kMarkedAtOnce = 20'000'000;

// The primes of low..high marked once, for the rows of every length; each number is named by
// its distance from an even origin at or below low, so the marks reach up to 2^64-1.
class MarkedStretch {
public:
    MarkedStretch(Number low, Number high)
        : m_origin(low >= 4 ? low / 2 * 2 : 0),
          m_marks(narrow<std::uint64_t>(m_origin), narrow<std::int64_t>(low - m_origin),
                  narrow<std::int64_t>(std::max(high, low) - m_origin)) {}

    [[nodiscard]] RowTally tally(const RowRange& range) const {
        const auto length = narrow<std::int32_t>(range.length);
        std::vector<std::int32_t> counts = countsOfRows(length);
        std::int64_t primes = 0;
        m_marks.tallyRows(narrow<std::int64_t>(range.first - m_origin), length,
                          narrow<std::int64_t>(range.rows()), counts, primes);
        return tallyFromMarks(counts, primes);
    }

private:
    Number m_origin;
    PrimeMarks m_marks;
};

}  // namespace

std::vector<RowLengthResult> compareRowLengths(Number from, Number to, std::uint32_t shortest,
                                               std::uint32_t longest, unsigned threads,
                                               ScanControl& control, ModelPrecision precision,
                                               const std::function<void(std::uint32_t)>& done) {
    std::vector<std::uint32_t> lengths;
    for (std::uint32_t length = shortest; length <= longest && length >= shortest; ++length) {
        lengths.push_back(length);
    }
    return compareRowLengths(from, to, lengths, threads, control, precision, done);
}

std::vector<RowLengthResult> compareRowLengths(Number from, Number to,
                                               const std::vector<std::uint32_t>& lengths,
                                               unsigned threads, ScanControl& control,
                                               ModelPrecision precision,
                                               const std::function<void(std::uint32_t)>& done) {
    std::vector<RowLengthResult> results;
    if (lengths.empty()) {
        return results;
    }
    // Every length's rows lie within from - longest .. to.
    std::unique_ptr<const MarkedStretch> marks;
    const Number low = from - *std::max_element(lengths.begin(), lengths.end());
    if (to - low <= kMarkedAtOnce && to <= kHighestNumber) {
        marks = std::make_unique<const MarkedStretch>(low, to);
    }
    for (const std::uint32_t length : lengths) {
        if (control.stop) {
            break;
        }
        RowLengthResult result;
        result.length = length;
        result.predictedN = predictedN(length);
        result.range = adjustToRows(from, to, length);
        if (result.range) {
            // Each length keeps within the memory that a run of it alone may take.
            result.tally = marks ? marks->tally(*result.range)
                                 : countRange(*result.range,
                                              threadsFor(*result.range, threads, threads), control);
            control.rowsDone.fetch_add(marks ? result.range->rows() : 0, std::memory_order_relaxed);
            if (control.stop) {
                break;
            }
            try {
                result.comparison =
                    compareModels(computeModels(modelRows(*result.range), 20, precision),
                                  rowShares(result.tally), beyondTwentyShare(result.tally));
            } catch (const Failure& failure) {
                result.failure = failure;
            }
        }
        results.push_back(std::move(result));
        if (done) {
            done(length);
        }
    }
    return results;
}

bool addWholeRecords(std::vector<RowLengthResult>& results) {
    const bool needed =
        std::any_of(results.begin(), results.end(),
                    [](const RowLengthResult& result) { return result.tally.over20 > 0; });
    if (needed) {
        for (RowLengthResult& result : results) {
            result.whole = sweepRecord(0, result.length, result.range, result.tally);
        }
    }
    return needed;
}

}  // namespace core

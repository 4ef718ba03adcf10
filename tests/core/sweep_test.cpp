#include "engine/statistics/sweep.h"

#include <gtest/gtest.h>

#include "engine/rows/row_lengths.h"

namespace core {
namespace {

constexpr Number kTen12 = 1'000'000'000'000;

// Each record is the run of its window alone: the same tally as the window counted by itself,
// the same statistics and distances, in the order heights first, then lengths; up to the last
// window that ends at 2^64-1.
TEST(Sweep, EachRecordIsTheRunOfItsWindowAlone) {
    const std::vector<Number> heights{1'000'000, kTen12, kHighestNumber - 30'000};
    const std::vector<std::uint32_t> lengths{90, 7, 1000};
    ScanControl control;
    const auto records = sweepHeights(heights, 30'000, lengths, 2, control);
    ASSERT_EQ(records.size(), 9U);
    std::uint64_t rows = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const SweepRecord& record = records[i];
        EXPECT_EQ(record.height, heights[i / 3]);
        EXPECT_EQ(record.length, lengths[i % 3]);
        const auto range = adjustToRows(record.height + 1, record.height + 30'000, record.length);
        ASSERT_TRUE(range && record.range);
        EXPECT_EQ(record.range->first, range->first);
        EXPECT_EQ(record.range->last, range->last);
        ScanControl own;
        const RowTally tally = countRange(*range, 1, own);
        EXPECT_EQ(record.tally, tally) << i;
        ASSERT_TRUE(record.comparison)
            << i << ": " << (record.failure ? record.failure->what() : "");
        const WholeComparison alone = compareWholeModels(tally, modelRows(*range));
        EXPECT_EQ(record.comparison->observed.mean, alone.observed.mean);
        EXPECT_EQ(record.comparison->observed.variance, alone.observed.variance);
        EXPECT_EQ(record.comparison->tvCramer, alone.tvCramer);
        EXPECT_EQ(record.comparison->tvMontgomery, alone.tvMontgomery);
        EXPECT_DOUBLE_EQ(deviationRatio(*record.comparison) * deviationRatio(*record.comparison),
                         alone.observed.variance / alone.models.varianceMontgomery);
        rows += range->rows();
    }
    // Rows of 1000 at 10^6 hold some 70 primes each: the whole distribution, not 0..20.
    EXPECT_EQ(records[2].tally.over20, records[2].tally.totalRows());
    EXPECT_GT(records[2].comparison->observed.mean, 60.0);
    EXPECT_EQ(control.rowsDone.load(), rows);
}

// A window must end by 2^64-1 and is adjusted to whole rows as VON and BIS are: its first number
// down to one past a multiple of the length, its last down to a multiple. One that holds no row
// then gives a record that says so instead of statistics.
TEST(Sweep, WindowsEndBy2To64AndAreAdjustedAsVonBis) {
    EXPECT_FALSE(sweepWindow(kHighestNumber - 100, 101, 10));
    const auto last = sweepWindow(kHighestNumber - 100, 100, 5);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->first, kHighestNumber - 99);
    EXPECT_EQ(last->last, kHighestNumber);
    const auto cut = sweepWindow(kTen12 + 50, 100, 100);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->first, kTen12 + 1);
    EXPECT_EQ(cut->last, kTen12 + 100);
    // 100 .. 199 in rows of 100: 101 .. 100, no row.
    EXPECT_FALSE(sweepWindow(99, 100, 100));

    ScanControl control;
    const auto records = sweepHeights({99, kTen12}, 100, {100}, 1, control);
    ASSERT_EQ(records.size(), 2U);
    EXPECT_FALSE(records[0].range);
    EXPECT_FALSE(records[0].comparison);
    ASSERT_TRUE(records[1].comparison);
    EXPECT_EQ(records[1].comparison->observed.rows, 1U);
}

// A list of lengths is each length's run alone, in the order given, whether the stretch is
// marked at once (10^18, 2^64 - 10^4) or each length counted anew (a row of 10^6 past 10^6).
TEST(RowLengths, AListIsTheRunOfEachLengthUpTo2To64) {
    for (const auto& [from, to, lengths] :
         {std::tuple<Number, Number, std::vector<std::uint32_t>>{
              1'000'000, 23'000'000, {1'000'000, 100, 10'000}},
          {Number{1'000'000'000'000'000'000}, Number{1'000'000'000'002'000'000}, {1'000'000, 7}},
          {kHighestNumber - 10'000, kHighestNumber, {1000, 10, 89}}}) {
        ScanControl control;
        const auto results = compareRowLengths(from, to, lengths, 2, control);
        ASSERT_EQ(results.size(), lengths.size());
        for (std::size_t i = 0; i < lengths.size(); ++i) {
            EXPECT_EQ(results[i].length, lengths[i]);
            const auto range = adjustToRows(from, to, lengths[i]);
            ASSERT_TRUE(range && results[i].range);
            ScanControl own;
            EXPECT_EQ(results[i].tally, countRange(*range, 1, own))
                << text::numberText(from) << " L=" << lengths[i];
        }
    }
}

// The records over all rows come wherever a row holds more than 20 primes, even the one row at
// the start of the number line; without such a row the output stays as it was.
TEST(RowLengths, WholeRecordsWhereRowsAbove20Matter) {
    ScanControl control;
    auto start = compareRowLengths(1, 45'000, 89, 91, 1, control);
    ASSERT_EQ(start[1].tally.over20, 1U);
    EXPECT_TRUE(addWholeRecords(start));
    ASSERT_TRUE(start[1].whole);
    EXPECT_EQ(start[1].whole->tally, start[1].tally);

    auto none = compareRowLengths(1'000, 45'000, 89, 91, 1, control);
    ASSERT_EQ(none[1].tally.over20, 0U);
    EXPECT_FALSE(addWholeRecords(none));
    EXPECT_FALSE(none[1].whole);

    auto high = compareRowLengths(1'000'000'000, 1'000'020'000, {100, 1000}, 1, control);
    EXPECT_EQ(high[0].tally.over20, 0U);
    EXPECT_TRUE(addWholeRecords(high));
    for (const RowLengthResult& result : high) {
        ASSERT_TRUE(result.whole && result.whole->comparison);
        EXPECT_EQ(result.whole->tally, result.tally);
        EXPECT_EQ(result.whole->comparison->observed.rows, result.range->rows());
    }
    EXPECT_FALSE(high[1].comparison);  // no fit over the rows up to 20 of 1000
    EXPECT_GT(high[1].whole->comparison->observed.mean, 40.0);
}

}  // namespace
}  // namespace core

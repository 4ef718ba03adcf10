#include "core/row_scan.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "support/is_prime.h"

namespace core {
namespace {

// Row lengths odd and even, shorter and longer than one word of marks, on ranges that start
// below zero, at 1, and anywhere up to the limit.
TEST(ScanRows, TallyAgreesWithCountingEveryRowByItself) {
    std::mt19937 random(4);
    std::uniform_int_distribution<std::int64_t> anywhere(-200, 9'900'000);
    for (const std::int32_t length : {1, 2, 3, 7, 10, 56, 57, 90, 113, 120, 200, 1001}) {
        for (const std::int64_t start :
             {std::int64_t{-2 * length}, std::int64_t{0}, anywhere(random)}) {
            const std::int64_t first = start / length * length + 1;
            const std::int64_t rows = std::max<std::int64_t>(1, 20'000 / length);
            const std::int64_t last = first + rows * length - 1;
            const ScanResult scan = scanRows({first, last, static_cast<std::uint32_t>(length)});

            RowCounts tally{};
            std::uint64_t over20 = 0;
            std::int64_t primes = 0;
            for (std::int64_t row = 0; row < rows; ++row) {
                std::int64_t k = 0;
                for (std::int64_t n = first + row * length; n < first + (row + 1) * length; ++n) {
                    k += isPrimeByDivision(static_cast<std::int32_t>(n)) ? 1 : 0;
                }
                primes += k;
                if (k <= 20) {
                    ++tally[static_cast<std::size_t>(k)];
                } else {
                    ++over20;
                }
                ASSERT_EQ(scan.rows->primesInRow(row), k) << "row " << row << " of " << first;
            }
            EXPECT_EQ(scan.tally.rows, tally) << first << ", length " << length;
            EXPECT_EQ(scan.tally.over20, over20) << first << ", length " << length;
            EXPECT_EQ(scan.tally.primes, static_cast<std::uint64_t>(primes)) << first;
            EXPECT_EQ(scan.rows->count(), rows);
            for (const qsizetype row : {qsizetype{0}, qsizetype(rows - 1)}) {
                EXPECT_LE(scan.rows->line(row).size(), scan.rows->longestLine());
            }
        }
    }
}

// Ranges large enough to be marked and tallied in pieces by two threads: the tally agrees with
// counting each row by itself, also for the rows across the pieces and for odd lengths.
TEST(ScanRows, RangesSharedByTwoThreadsAreTalliedWhole) {
    for (const auto& [first, length] : {std::pair<std::int64_t, std::int32_t>{1, 10},
                                        {1, 7},
                                        {-9'999'989, 90},
                                        {4'000'081, 120},
                                        {1, 64},
                                        {-9'999'989, 14},
                                        {-9'999'999, 2}}) {
        const std::int64_t last = 10'000'000 / length * length;
        const ScanResult scan = scanRows({first, last, static_cast<std::uint32_t>(length)});
        RowCounts tally{};
        std::uint64_t primes = 0;
        for (qsizetype row = 0; row < scan.rows->count(); ++row) {
            const auto k = static_cast<std::uint64_t>(scan.rows->primesInRow(row));
            primes += k;
            if (k <= 20) {
                ++tally[static_cast<std::size_t>(k)];
            }
        }
        EXPECT_EQ(scan.tally.rows, tally) << first << ", length " << length;
        EXPECT_EQ(scan.tally.primes, primes) << first << ", length " << length;
    }
}

// A slice is the same characters as the whole line, also across the header, the marks, the
// count and beyond the end, with wide headers and counts of two digits.
TEST(RowLines, ASliceIsThePartOfTheLine) {
    for (const auto& [first, length] :
         {std::pair<std::int64_t, std::int32_t>{-9'999'999, 7}, {1, 90}, {9'999'001, 1000}}) {
        const ScanResult scan = scanRows(
            {first, first + 3 * std::int64_t{length} - 1, static_cast<std::uint32_t>(length)});
        for (qsizetype row = 0; row < scan.rows->count(); ++row) {
            const QString whole = scan.rows->line(row);
            for (qsizetype from = 0; from <= whole.size() + 2; ++from) {
                for (const qsizetype count : {0, 1, 2, 5, 40, 5000}) {
                    ASSERT_EQ(scan.rows->slice(row, from, count), whole.mid(from, count))
                        << first << " " << length << " row " << row << " from " << from << " count "
                        << count;
                }
            }
        }
    }
}

// The windows count from marks of the whole range, the command line from libprimesieve's
// iterator: both give every range the same tally and every row the same line, below zero, across
// it, and where the marks' fast paths (even lengths, words of 56 marks) apply or do not.
TEST(ScanRows, AgreesWithTheCountingOfTheCommandLine) {
    for (const auto& [from, to, length] :
         {std::tuple<std::int64_t, std::int64_t, std::uint32_t>{-500, 500, 7},
          {-10'000'000, -9'999'000, 10},
          {1, 45'000, 90},
          {1, 200'000, 2},
          {9'000'000, 10'000'000, 113},
          {-3'000, 3'000'000, 56},
          {1, 20'000, 1}}) {
        const auto range = adjustToRows(from, to, length);
        ASSERT_TRUE(range);
        const ScanResult scan = scanRows(*range);
        ScanControl control;
        const int width = headerWidth(*range);
        qsizetype mismatches = 0;
        const RowTally counted = countRows(
            *range, 0, range->rows(), control,
            [&](std::uint64_t row, std::uint32_t count, const std::vector<std::uint32_t>& offsets) {
                const auto index = static_cast<qsizetype>(row);
                if (scan.rows->line(index).toStdString() !=
                    text::rowLine(*range, row, width, count, offsets)) {
                    if (++mismatches <= 3) {
                        ADD_FAILURE() << from << " row " << row << ": "
                                      << scan.rows->line(index).toStdString();
                    }
                }
            });
        EXPECT_EQ(scan.tally, counted) << from << ".." << to << " length " << length;
        EXPECT_EQ(mismatches, 0);
    }
}

}  // namespace
}  // namespace core

#include "rows.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <primesieve.hpp>
#include <vector>

#include "engine/arithmetic.h"
#include "engine/rows/work_pieces.h"
#include "engine/texts/number_text.h"

namespace core {

namespace text {

std::string numberText(Number value) {
    const bool negative = value < 0;
    auto magnitude = static_cast<__uint128_t>(negative ? -value : value);
    char digits[41];
    char* end = digits + sizeof digits;
    char* p = end;
    do {
        *--p = static_cast<char>('0' + static_cast<int>(magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative) {
        *--p = '-';
    }
    return std::string(p, end);
}

std::string rowHeader(Number start, int width) {
    return rightJustified(numberText(start), width) + "  ";
}

std::string rowTail(std::uint64_t count) {
    return "  " + std::to_string(count);
}

std::string rowMarks(const RowRange& range, const std::vector<std::uint32_t>& offsets) {
    std::string marks(range.length, '+');
    for (const std::uint32_t offset : offsets) {
        marks[offset] = 'O';
    }
    return marks;
}

std::string rowLine(const RowRange& range, std::uint64_t row, int width, std::uint32_t count,
                    const std::vector<std::uint32_t>& offsets) {
    return rowHeader(range.rowStart(row), width) + rowMarks(range, offsets) + rowTail(count);
}

}  // namespace text

Number firstOfRows(Number from, std::uint32_t length) {
    return from / length * length + 1;
}

Number lastOfRows(Number to, std::uint32_t length) {
    return to / length * length;
}

std::optional<RowRange> adjustToRows(Number from, Number to, std::uint32_t length) {
    if (length == 0) {
        return std::nullopt;
    }
    const RowRange range{firstOfRows(from, length), lastOfRows(to, length), length};
    if (range.first > kHighestNumber || range.last < range.first) {
        return std::nullopt;
    }
    return range;
}

double beyondTwentyShare(const RowTally& tally) {
    std::uint64_t rows = tally.over20;
    for (const std::uint64_t count : tally.rows) {
        rows += count;
    }
    return rows == 0 ? 0.0 : static_cast<double>(tally.over20) / static_cast<double>(rows);
}

void RowTally::addBeyond(std::uint64_t count, std::uint64_t number) {
    if (number == 0) {
        return;
    }
    beyondCounter(count) += number;
    over20 += number;
}

std::uint64_t& RowTally::beyondCounter(std::uint64_t count) {
    if (beyond.empty()) {
        beyondFirst = count;
        beyond.push_back(0);
    } else if (count < beyondFirst) {
        beyond.insert(beyond.begin(), beyondFirst - count, 0);
        beyondFirst = count;
    } else if (count - beyondFirst >= beyond.size()) {
        beyond.resize(count - beyondFirst + 1);
    }
    return beyond[count - beyondFirst];
}

std::uint64_t RowTally::rowsWith(std::uint64_t k) const {
    if (k < rows.size()) {
        return rows[k];
    }
    return k >= beyondFirst && k - beyondFirst < beyond.size() ? beyond[k - beyondFirst] : 0;
}

std::uint64_t RowTally::totalRows() const {
    std::uint64_t total = over20;
    for (const std::uint64_t count : rows) {
        total += count;
    }
    return total;
}

std::uint64_t RowTally::lowestCount() const {
    for (std::uint64_t k = 0; k < rows.size(); ++k) {
        if (rows[k] != 0) {
            return k;
        }
    }
    return beyond.empty() ? 0 : beyondFirst;
}

std::uint64_t RowTally::highestCount() const {
    if (!beyond.empty()) {
        return beyondFirst + beyond.size() - 1;
    }
    for (std::uint64_t k = rows.size(); k-- > 0;) {
        if (rows[k] != 0) {
            return k;
        }
    }
    return 0;
}

RowTally& RowTally::operator+=(const RowTally& other) {
    for (std::size_t k = 0; k < rows.size(); ++k) {
        rows[k] += other.rows[k];
    }
    for (std::size_t i = 0; i < other.beyond.size(); ++i) {
        if (other.beyond[i] != 0) {
            beyondCounter(other.beyondFirst + i) += other.beyond[i];
        }
    }
    over20 += other.over20;
    primes += other.primes;
    return *this;
}

namespace {

constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
// Primes between two looks at the stop flag and the progress: a few microseconds of work.
constexpr std::uint32_t kBatch = 4096;

// The rows in order, each with the offsets of its primes, one prime at a time.
RowTally visitRows(const RowRange& range, std::uint64_t firstRow, std::uint64_t endRow,
                   ScanControl& control, const RowVisitor& visit) {
    RowTally tally;
    std::vector<std::uint32_t> offsets;
    const auto begin = narrow<std::uint64_t>(range.rowStart(firstRow));
    const auto end = narrow<std::uint64_t>(range.rowStart(endRow - 1) + (range.length - 1));
    std::uint64_t row = firstRow;
    std::uint64_t rowBegin = begin;
    std::uint32_t count = 0;
    const auto closeRow = [&] {
        tally.add(count);
        visit(row, count, offsets);
        offsets.clear();
        count = 0;
        ++row;
        rowBegin += range.length;
    };

    primesieve::iterator primes(begin, end);
    // Beyond the last prime below 2^64 libprimesieve has none to give and says so with an
    // exception; 2^64-1 itself, no prime, stands for "no more".
    const auto next = [&primes]() -> std::uint64_t {
        try {
            return primes.next_prime();
        } catch (const primesieve::primesieve_error&) {
            return kMax;
        }
    };
    std::uint32_t sinceLook = 0;
    std::uint64_t reported = firstRow;
    for (std::uint64_t p = next(); p <= end && p != kMax; p = next()) {
        const std::uint64_t pRow = firstRow + (p - begin) / range.length;
        while (row < pRow) {
            closeRow();
        }
        ++count;
        offsets.push_back(static_cast<std::uint32_t>(p - rowBegin));
        if (++sinceLook == kBatch) {
            sinceLook = 0;
            control.rowsDone.fetch_add(row - reported, std::memory_order_relaxed);
            reported = row;
            if (control.stop.load(std::memory_order_relaxed)) {
                return tally;
            }
        }
    }
    while (row < endRow) {
        closeRow();
    }
    control.rowsDone.fetch_add(row - reported, std::memory_order_relaxed);
    return tally;
}

}  // namespace

RowTally countRows(const RowRange& range, std::uint64_t firstRow, std::uint64_t endRow,
                   ScanControl& control, const RowVisitor& visit) {
    RowTally tally;
    // Rows that begin below 1 hold no primes; libprimesieve counts from 0 on.
    const std::uint64_t belowOne =
        range.first < 1 ? narrow<std::uint64_t>((1 - range.first) / range.length) : 0;
    const std::vector<std::uint32_t> none;
    for (; firstRow < std::min(endRow, belowOne); ++firstRow) {
        tally.add(0);
        control.rowsDone.fetch_add(1, std::memory_order_relaxed);
        if (visit) {
            visit(firstRow, 0, none);
        }
    }
    if (firstRow >= endRow) {
        return tally;
    }
    if (visit) {
        tally += visitRows(range, firstRow, endRow, control, visit);
    } else {
        tally += tallyRows(range, firstRow, endRow, control);
    }
    return tally;
}

std::uint64_t sieveBytesPerThread(const RowRange& range) {
    // Measured: 17 MB resident on one thread near 10^18 against 11 MB near 10^15, 34 MB near
    // 2^64, each further thread adding 5 and 21 MB; this bound lies above all of them.
    const auto root =
        static_cast<std::uint64_t>(std::sqrt(static_cast<double>(std::max(range.last, Number{0}))));
    return (2ull << 20) + root / 160;
}

unsigned threadsFor(const RowRange& range, unsigned requested, unsigned cores) {
    const std::uint64_t byMemory = kSieveMemoryBudget / sieveBytesPerThread(range);
    return static_cast<unsigned>(std::max<std::uint64_t>(
        1, std::min({std::uint64_t{requested}, std::uint64_t{std::max(cores, 1u)}, byMemory,
                     range.rows()})));
}

int headerWidth(const RowRange& range) {
    return static_cast<int>(std::max({std::size_t{6}, text::numberText(range.first).size(),
                                      text::numberText(range.rowStart(range.rows() - 1)).size()}));
}

}  // namespace core

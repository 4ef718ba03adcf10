#include "rows.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <primesieve.hpp>
#if !defined(PRIMZEILEN_SINGLE_THREADED)
#include <thread>
#endif
#include <vector>

#include "core/number_text.h"

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

std::string rowLine(const RowRange& range, std::uint64_t row, int width, std::uint32_t count,
                    const std::vector<std::uint32_t>& offsets) {
    std::string line = rowHeader(range.rowStart(row), width);
    const std::size_t marks = line.size();
    line.append(range.length, '+');
    for (const std::uint32_t offset : offsets) {
        line[marks + offset] = 'O';
    }
    return line + rowTail(count);
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

RowTally& RowTally::operator+=(const RowTally& other) {
    for (std::size_t k = 0; k < rows.size(); ++k) {
        rows[k] += other.rows[k];
    }
    over20 += other.over20;
    primes += other.primes;
    return *this;
}

namespace {

constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
// Primes between two looks at the stop flag and the progress: a few microseconds of work.
constexpr std::uint32_t kBatch = 4096;

}  // namespace

RowTally countRows(const RowRange& range, std::uint64_t firstRow, std::uint64_t endRow,
                   ScanControl& control, const RowVisitor& visit) {
    RowTally tally;
    std::vector<std::uint32_t> offsets;
    // Rows that begin below 1 hold no primes; libprimesieve counts from 0 on.
    const std::uint64_t belowOne =
        range.first < 1 ? static_cast<std::uint64_t>((1 - range.first) / range.length) : 0;
    for (; firstRow < std::min(endRow, belowOne); ++firstRow) {
        tally.add(0);
        control.rowsDone.fetch_add(1, std::memory_order_relaxed);
        if (visit) {
            visit(firstRow, 0, offsets);
        }
    }
    if (firstRow >= endRow) {
        return tally;
    }
    const auto begin = static_cast<std::uint64_t>(range.rowStart(firstRow));
    const auto end = static_cast<std::uint64_t>(range.rowStart(endRow - 1) + (range.length - 1));
    std::uint64_t row = firstRow;
    std::uint64_t rowBegin = begin;
    std::uint32_t count = 0;
    const auto closeRow = [&] {
        tally.add(count);
        if (visit) {
            visit(row, count, offsets);
        }
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
        if (pRow != row) {
            closeRow();
            if (visit) {
                while (row < pRow) {
                    closeRow();
                }
            } else {
                // Rows without primes in between, all at once.
                tally.rows[0] += pRow - row;
                rowBegin += (pRow - row) * range.length;
                row = pRow;
            }
        }
        ++count;
        if (visit) {
            offsets.push_back(static_cast<std::uint32_t>(p - rowBegin));
        }
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
        if (!visit && row < endRow) {
            tally.rows[0] += endRow - row;
            row = endRow;
        }
    }
    control.rowsDone.fetch_add(row - reported, std::memory_order_relaxed);
    return tally;
}

RowTally countRange(const RowRange& range, unsigned threads, ScanControl& control) {
    const std::uint64_t rows = range.rows();
    threads = static_cast<unsigned>(
        std::clamp<std::uint64_t>(threads, 1, std::max<std::uint64_t>(rows, 1)));
#if defined(PRIMZEILEN_SINGLE_THREADED)
    (void)threads;
    return countRows(range, 0, rows, control);
#else
    std::vector<RowTally> parts(threads);
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        const std::uint64_t from = rows / threads * t + std::min<std::uint64_t>(t, rows % threads);
        const std::uint64_t to = from + rows / threads + (t < rows % threads ? 1 : 0);
        workers.emplace_back([&, t, from, to] { parts[t] = countRows(range, from, to, control); });
    }
    RowTally total;
    for (unsigned t = 0; t < threads; ++t) {
        workers[t].join();
        total += parts[t];
    }
    return total;
#endif
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

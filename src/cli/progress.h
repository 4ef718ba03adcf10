#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>

namespace cli {

// Where a count stands: rows counted of all rows of `length` numbers, `seconds` after it began.
struct ProgressState {
    std::uint64_t rowsDone = 0;
    std::uint64_t rows = 0;
    std::uint32_t length = 1;
    double seconds = 0;
    // The records of a sweep (--hoehen) that the rows make up, and those counted whole; 0 for
    // any other run.
    std::uint64_t records = 0;
    std::uint64_t recordsDone = 0;
};

// The progress line in the numbers of `locale`: rows counted of all rows, the share in percent
// with as many decimals as let it move from one second to the next, and, once rows have been
// counted, the time left at the pace so far and the pace in numbers per second; for a sweep
// the number of its records first. With a `width`
// (a terminal's columns) the parts that do not fit are left off, the pace first.
[[nodiscard]] QString progressLine(const ProgressState& state, const QLocale& locale,
                                   int width = 0);

// When the line is written. A terminal shows it a few times a second, each line overwriting the
// one before; anywhere else (a file, a pipe) it is written at the start and whenever another
// tenth of the rows is done, so at most eleven lines for a whole run.
class ProgressPace final {
public:
    explicit ProgressPace(bool terminal) : m_terminal(terminal) {}
    [[nodiscard]] bool due(const ProgressState& state);

    // Between two lines on a terminal.
    static constexpr double kTerminalPause = 0.25;

private:
    bool m_terminal;
    double m_shownAt = 0;
    int m_tenthShown = -1;
};

}  // namespace cli

#include "cli/progress.h"

#include <gtest/gtest.h>

namespace cli {
namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);

TEST(ProgressLine, ShowsRowsShareTimeLeftAndPaceInTheNumbersOfTheLocale) {
    // 10^6 of 10^12 rows of 90 in 10 s: 10^-5 % a second needs five decimals to move; 9 million
    // numbers a second; 9,999,990 s = 115 d 17 h 46 min 30 s left.
    const ProgressState state{1'000'000, 1'000'000'000'000, 90, 10.0};
    EXPECT_EQ(progressLine(state, kGerman),
              QStringLiteral("1.000.000 von 1.000.000.000.000 Zeilen gezählt (0,00010 %), noch "
                             "115 d 17 h, 9,00 Mio. Zahlen/s"));
    EXPECT_EQ(progressLine({2'500'000, 10'000'000, 90, 1.0}, QLocale::c()),
              QStringLiteral("2500000 von 10000000 Zeilen gezählt (25.0 %), noch 3 s, "
                             "225 Mio. Zahlen/s"));
    EXPECT_EQ(progressLine({0, 10'000'000, 90, 1.0}, kGerman),
              QStringLiteral("0 von 10.000.000 Zeilen gezählt (0,0 %)"));
    // A share just below all rows is cut, never rounded up to 100.
    EXPECT_EQ(progressLine({999'999'999, 1'000'000'000, 1, 10.0}, kGerman),
              QStringLiteral("999.999.999 von 1.000.000.000 Zeilen gezählt (99,9 %), noch 1 s, "
                             "100 Mio. Zahlen/s"));
    EXPECT_TRUE(
        progressLine({500, 1000, 1, 125.0}, kGerman).endsWith(u"noch 2 min 5 s, 4 Zahlen/s"));
    EXPECT_TRUE(progressLine({1, 3662, 1, 1.0}, kGerman).contains(u"noch 1 h 1 min,"));
}

// A sweep names its records before the rows they hold.
TEST(ProgressLine, ASweepNamesItsRecordsFirst) {
    EXPECT_EQ(
        progressLine({0, 6'666'000, 300, 1.0, 12, 0}, kGerman),
        QStringLiteral("0 von 12 Datensätzen fertig, 0 von 6.666.000 Zeilen gezählt (0,0 %)"));
    EXPECT_TRUE(
        progressLine({1, 3, 90, 1.0, 1, 0}, kGerman)
            .startsWith(u"0 von 1 Datensatz fertig, 1 von 3 Zeilen gezählt (33,3 %), noch 2 s"));
    EXPECT_TRUE(progressLine({4'000, 10'000, 90, 1.0, 1'200, 480}, kGerman)
                    .startsWith(u"480 von 1.200 Datensätzen fertig, 4.000 von 10.000 Zeilen"));
}

TEST(ProgressLine, LeavesOffWhatATerminalHasNoRoomFor) {
    const ProgressState state{1'000'000, 1'000'000'000'000, 90, 10.0};
    const QString full = progressLine(state, kGerman);
    EXPECT_EQ(progressLine(state, kGerman, static_cast<int>(full.size())), full);
    const QString noPace = progressLine(state, kGerman, static_cast<int>(full.size()) - 1);
    EXPECT_TRUE(full.startsWith(noPace + u','));
    EXPECT_TRUE(noPace.endsWith(u"noch 115 d 17 h"));
    EXPECT_EQ(progressLine(state, kGerman, 20).size(), 20);
}

// A run looked at every 20 ms for 100 s, its rows done growing unevenly.
TEST(ProgressPace, ATerminalSeesAFewLinesASecondAFileOneATenth) {
    const std::uint64_t rows = 1'000'003;
    for (const bool terminal : {true, false}) {
        ProgressPace pace(terminal);
        int lines = 0;
        int tenths = 0;
        for (int look = 0; look <= 5000; ++look) {
            const std::uint64_t done = rows * look / 5000 * look / 5000;
            lines += pace.due({done, rows, 90, look * 0.02}) ? 1 : 0;
            tenths = static_cast<int>(done * 10 / rows);
        }
        if (terminal) {
            EXPECT_LE(lines, 100 / ProgressPace::kTerminalPause + 1);
            EXPECT_GE(lines, 100 / (ProgressPace::kTerminalPause + 0.02));
        } else {
            EXPECT_EQ(tenths, 10);
            EXPECT_EQ(lines, 11);  // at the start and at each tenth
        }
    }
    // A run that jumps from nothing to the end writes one line for both.
    ProgressPace file(false);
    EXPECT_TRUE(file.due({0, 10, 1, 0.0}));
    EXPECT_TRUE(file.due({10, 10, 1, 0.5}));
    EXPECT_FALSE(file.due({10, 10, 1, 0.6}));
}

}  // namespace
}  // namespace cli

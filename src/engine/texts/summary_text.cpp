#include "summary_text.h"

#include <numeric>

#include "engine/texts/number_text.h"

namespace core {

namespace {

std::string word(const Conventions& reader, const char* german) {
    return translate(reader.language, "core::Summary", german);
}

}  // namespace

// The words come from the catalogue, the column widths from here.
std::string countLine(std::uint64_t k, int width, std::uint64_t rows, double share,
                      const Conventions& reader) {
    // German says "-mal," after every count, English "1 row," but "2 rows,": the catalogue holds
    // the count of one under a context of its own.
    std::string times = rows == 1 ? translate(reader.language, "core::Summary::One",
                                              QT_TRANSLATE_NOOP("core::Summary::One", "%1-mal,"))
                                  : word(reader, QT_TRANSLATE_NOOP("core::Summary", "%1-mal,"));
    const std::size_t at = times.find("%1");
    if (at != std::string::npos) {
        times.replace(at, 2, text::rightJustified(std::to_string(rows), 6));
    }
    return text::rightJustified(std::to_string(k), width) + "   : " + times + "     " +
           text::formatFixed(share, 5, 5, reader);
}

std::string sumLine(std::uint64_t rows, double sum, const Conventions& reader) {
    return ' ' + word(reader, QT_TRANSLATE_NOOP("core::Summary", "Summe:")) + "    " +
           std::to_string(rows) + "       " + text::formatFixed(sum, 5, 5, reader);
}

std::array<double, 21> rowShares(const RowTally& tally) {
    const RowCounts& rows = tally.rows;
    const std::uint64_t tallied = std::accumulate(rows.begin(), rows.end(), std::uint64_t{0});
    std::array<double, 21> shares{};
    for (std::size_t k = 0; tallied > 0 && k < rows.size(); ++k) {
        // The quotient is formed in extended precision and stored as a double.
        shares[k] = static_cast<double>(static_cast<long double>(rows[k]) /
                                        static_cast<long double>(tallied));
    }
    return shares;
}

SummaryText summaryText(const RowTally& tally, const Conventions& reader) {
    const RowCounts& rows = tally.rows;
    const std::uint64_t tallied = std::accumulate(rows.begin(), rows.end(), std::uint64_t{0});
    SummaryText summary;
    summary.shares = rowShares(tally);
    double sum = 0.0;
    for (const double share : summary.shares) {
        // The running sum is formed in extended precision and stored as a double.
        sum = static_cast<double>(static_cast<long double>(sum) + share);
    }
    std::vector<std::string>& lines = summary.lines;
    lines.push_back(" ");
    lines.push_back(word(
        reader, QT_TRANSLATE_NOOP("core::Summary", "Primz/Zeile: Anzahl, relative Häufigkeit")));
    for (std::size_t k = 0; k < rows.size(); ++k) {
        lines.push_back(countLine(k, 3, rows[k], summary.shares[k], reader));
    }
    lines.emplace_back();
    lines.push_back(sumLine(tallied, sum, reader));
    lines.emplace_back();
    lines.push_back(' ' + word(reader, QT_TRANSLATE_NOOP("core::Summary", "Primzahlen gesamt:")) +
                    "     " + std::to_string(tally.primes));
    return summary;
}

}  // namespace core

#include "summary_text.h"

#include <numeric>

#include "engine/texts/number_text.h"

namespace core {

SummaryText summaryText(const RowTally& tally, const SummaryWords& words) {
    const RowCounts& rows = tally.rows;
    const std::uint64_t tallied = std::accumulate(rows.begin(), rows.end(), std::uint64_t{0});
    SummaryText summary;
    double sum = 0.0;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        // Quotient and running sum are formed in extended precision and stored as doubles.
        if (tallied > 0) {
            summary.shares[k] = static_cast<double>(static_cast<long double>(rows[k]) /
                                                    static_cast<long double>(tallied));
        }
        sum = static_cast<double>(static_cast<long double>(sum) + summary.shares[k]);
    }
    // The words come from the caller, the column widths from here.
    const std::size_t at = words.times.find("%1");
    const auto times = [&](std::uint64_t count) {
        std::string text = words.times;
        const std::string number = text::rightJustified(std::to_string(count), 6);
        return at == std::string::npos ? text : text.replace(at, 2, number);
    };
    std::vector<std::string>& lines = summary.lines;
    lines.push_back(" ");
    lines.push_back(words.heading);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        lines.push_back(text::rightJustified(std::to_string(k), 3) + "   : " + times(rows[k]) +
                        "     " + text::formatFixed(summary.shares[k], 5, 5));
    }
    lines.emplace_back();
    lines.push_back(' ' + words.sum + "    " + std::to_string(tallied) + "       " +
                    text::formatFixed(sum, 5, 5));
    lines.emplace_back();
    lines.push_back(' ' + words.primes + "     " + std::to_string(tally.primes));
    return summary;
}

}  // namespace core

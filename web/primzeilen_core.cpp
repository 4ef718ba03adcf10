// The core for the web page: the main window's scan, its listing and summary, the graph
// window's fit, table and models, and the row length comparison, with the windows' texts in the
// page's language, which each call that writes texts takes last ("de", "en").

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/failures.h"
#include "engine/rows/row_lengths.h"
#include "engine/rows/row_text.h"
#include "engine/rows/window_range.h"
#include "engine/statistics/distribution.h"
#include "engine/statistics/models.h"
#include "engine/texts/csv_text.h"
#include "engine/texts/fit_text.h"
#include "engine/texts/language.h"
#include "engine/texts/model_text.h"
#include "engine/texts/number_text.h"
#include "engine/texts/summary_text.h"
#include "page_fields.h"

using emscripten::val;

using web::fieldName;
using web::numberArray;
using web::PageFields;
using web::rangeRefusal;
using web::readerFor;
using web::refuse;
using web::stringArray;

namespace {

// The last accepted scan, as the windows keep it.
struct LastScan {
    core::MarkedRows marked;
    core::SummaryText summary;
    double beyondTwenty = 0.0;
};
std::optional<LastScan> g_scan;

// The value of a number as a field shows it ("0,5058"): what the graph window draws from.
double shownReal(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return std::strtod(text.c_str(), nullptr);
}

val scan(std::string from, std::string to, std::string length, std::string language) {
    const core::Conventions reader = readerFor(language);
    val result = val::object();
    const std::string lowerText = from;
    const std::string upperText = to;
    PageFields fields(std::move(from), std::move(to), std::move(length), result);
    try {
        const std::optional<core::RowRange> range = core::readWindowFields(fields);
        if (!range) {
            // The windows refuse this without a word; the page says why. The bounds stay adjusted.
            const std::int32_t lower = core::text::parseInteger(lowerText);
            const std::int32_t upper = core::text::parseInteger(upperText);
            const auto length = static_cast<std::uint32_t>(fields.length());
            const auto [reason, field] = rangeRefusal(
                lower, upper, core::firstOfRows(lower, length), core::lastOfRows(upper, length));
            refuse(result, reason, field);
            return result;
        }
        LastScan last;
        last.marked = core::markRows(*range);
        last.summary = core::summaryText(last.marked.tally, reader);
        last.beyondTwenty = core::beyondTwentyShare(last.marked.tally);
        g_scan = std::move(last);
        result.set("ok", true);
        result.set("rows", static_cast<double>(range->rows()));
        result.set("primes", static_cast<double>(g_scan->marked.tally.primes));
        result.set("over20", static_cast<double>(g_scan->marked.tally.over20));
    } catch (const core::RowLengthError& failure) {
        result.set("ok", false);
        result.set("message", failure.text(reader.language));
        result.set("field", std::string("laenge"));
    } catch (const core::Failure& failure) {
        result.set("ok", false);
        result.set("message", failure.text(reader.language));
        result.set("field", std::string(fieldName(fields.lastRead())));
    }
    return result;
}

const LastScan& lastScan() {
    if (!g_scan) {
        throw std::logic_error("Noch keine Berechnung.");
    }
    return *g_scan;
}

val rowLines(double first, double count) {
    const core::RowText& rows = *lastScan().marked.rows;
    val lines = val::array();
    const auto begin = std::max<std::int64_t>(0, static_cast<std::int64_t>(first));
    const auto end = std::min<std::int64_t>(rows.count(), begin + static_cast<std::int64_t>(count));
    for (std::int64_t row = begin; row < end; ++row) {
        lines.call<void>("push", rows.line(row));
    }
    return lines;
}

// The listing as one text, every row and the summary, one line each: for the download.
std::string listingText() {
    const LastScan& scan = lastScan();
    std::string text;
    for (std::int64_t row = 0; row < scan.marked.rows->count(); ++row) {
        text += scan.marked.rows->line(row);
        text += '\n';
    }
    for (const std::string& line : scan.summary.lines) {
        text += line;
        text += '\n';
    }
    return text;
}

// Every count of primes that a row holds, with its rows: {k, rows}, k rising, rows > 0; the
// rows above 20 primes included.
val distribution() {
    const core::RowTally& tally = lastScan().marked.tally;
    val list = val::array();
    for (std::uint64_t k = tally.lowestCount(); tally.totalRows() > 0 && k <= tally.highestCount();
         ++k) {
        if (const std::uint64_t rows = tally.rowsWith(k); rows > 0) {
            val entry = val::object();
            entry.set("k", static_cast<double>(k));
            entry.set("rows", static_cast<double>(rows));
            list.call<void>("push", entry);
        }
    }
    return list;
}

val summaryLines() {
    return stringArray(lastScan().summary.lines);
}

val shares() {
    return numberArray(lastScan().summary.shares);
}

val scanned() {
    const core::RowRange& range = lastScan().marked.range;
    val result = val::object();
    result.set("laenge", static_cast<double>(range.length));
    result.set("von", core::text::numberText(range.first));
    result.set("bis", core::text::numberText(range.last));
    return result;
}

// The page's table: x from 0 up to the largest count of primes that a row holds (at least 18),
// each with its rows, h(x) and B(n;p;x) at full precision and as the window's cells. h(x) up to
// x = 20 is the listing's share (of the rows with at most 20 primes); above, the share of all rows.
val pageTable(const core::BinomialFit& binomial, const core::Frequencies& h,
              const core::Conventions& reader) {
    const core::RowTally& tally = lastScan().marked.tally;
    const std::uint64_t highest = std::max<std::uint64_t>(18, tally.highestCount());
    const auto total = static_cast<long double>(tally.totalRows());
    const std::vector<double> column = core::binomialColumn(binomial, highest + 1);
    val table = val::array();
    for (std::uint64_t x = 0; x <= highest; ++x) {
        const std::uint64_t rows = tally.rowsWith(x);
        const double share = x < h.size()            ? h[x]
                             : tally.totalRows() > 0 ? static_cast<double>(rows / total)
                                                     : 0.0;
        val entry = val::object();
        entry.set("x", static_cast<double>(x));
        entry.set("rows", static_cast<double>(rows));
        entry.set("h", share);
        entry.set("b", column[x]);
        entry.set("cells", stringArray({core::text::xCell(static_cast<int>(x), reader),
                                        core::text::shareCell(share, reader),
                                        core::text::shareCell(column[x], reader)}));
        table.call<void>("push", entry);
    }
    return table;
}

val fit(std::string language) {
    const core::Conventions reader = readerFor(language);
    const core::Frequencies& h = lastScan().summary.shares;
    val result = val::object();
    try {
        const core::FitReport report = core::fitReport(h);
        const core::text::FitTexts texts = core::text::fitTexts(report, reader);
        result.set("ok", true);
        result.set("message", std::string());
        result.set("n", report.binomial.n);
        result.set("p", report.binomial.p);
        val fields = val::object();
        fields.set("n", texts.n);
        fields.set("p", texts.p);
        fields.set("meanObserved", texts.meanObserved);
        fields.set("meanBinomial", texts.meanBinomial);
        fields.set("deviationObserved", texts.deviationObserved);
        fields.set("deviationBinomial", texts.deviationBinomial);
        result.set("fields", fields);
        // The chart's bars as the graph window draws them, from n and p as its fields show them,
        // for x = 0..21: the bar of x = 21 is the last that begins inside the picture.
        const core::BinomialFit shown{shownReal(texts.p), report.binomial.n};
        try {
            result.set("bars", numberArray(core::binomialColumn(shown, 22)));
        } catch (const core::Failure&) {
            // A p that shows as 1,0000 fails before the first bar, where the window's drawing
            // stops too; the fields and the table stand.
            result.set("bars", val::array());
        }
        // The graph window's table: a heading column and x = 0..18.
        const std::vector<double> column = core::binomialColumn(report.binomial, 19);
        std::vector<std::vector<std::string>> table{{"x"}, {"h(x)"}, {"B(n;p)"}};
        for (int x = 0; x <= 18; ++x) {
            const auto k = static_cast<std::size_t>(x);
            table[0].push_back(core::text::xCell(x, reader));
            table[1].push_back(core::text::shareCell(h[k], reader));
            table[2].push_back(core::text::shareCell(column[k], reader));
        }
        val rows = val::array();
        for (const auto& row : table) {
            rows.call<void>("push", stringArray(row));
        }
        result.set("table", rows);
        try {
            result.set("pageTable", pageTable(report.binomial, h, reader));
        } catch (const core::Failure&) {
            // Where the column fails beyond x = 18, the page shows the window's table alone.
        }
        // A string from UTF-8 loses its byte order mark on the way (the decoder takes it for
        // its own), so it is put back as the character that encodes to it.
        const std::string csv = core::text::tableCsv(table);
        result.set("tableCsv", val::global("String")
                                   .call<val>("fromCharCode", 0xFEFF)
                                   .call<val>("concat", csv.substr(3)));
    } catch (const core::Failure& failure) {
        result.set("ok", false);
        result.set("message", failure.text(reader.language));
    }
    return result;
}

val models(std::string language) {
    const core::Conventions reader = readerFor(language);
    const LastScan& scan = lastScan();
    val result = val::object();
    try {
        const core::ModelShares shares = core::computeModels(core::modelRows(scan.marked.range));
        const core::ModelComparison comparison =
            core::compareModels(shares, scan.summary.shares, scan.beyondTwenty);
        result.set("ok", true);
        result.set("message", std::string());
        result.set("cramer", numberArray(shares.cramer));
        result.set("poisson", numberArray(shares.poisson));
        result.set("montgomery", numberArray(shares.montgomery));
        result.set("moments", numberArray(comparison.moments));
        result.set("tvMoments", comparison.tvMoments);
        result.set("tvCramer", comparison.tvCramer);
        result.set("tvPoisson", comparison.tvPoisson);
        result.set("tvMontgomery", comparison.tvMontgomery);
        result.set("predictedN", shares.predictedN);
        result.set("fallbackRows", static_cast<double>(shares.montgomeryFallbackRows));
        // The models over every count that occurs, k = first..last, for a chart that shows the
        // rows above 20 primes too.
        const core::RowTally& tally = scan.marked.tally;
        const core::WholeModelShares whole = core::computeWholeModels(
            core::modelRows(scan.marked.range), tally.lowestCount(), tally.highestCount());
        val wholeModels = val::object();
        wholeModels.set("first", static_cast<double>(whole.first));
        wholeModels.set("cramer", numberArray(whole.cramer));
        wholeModels.set("poisson", numberArray(whole.poisson));
        wholeModels.set("montgomery", numberArray(whole.montgomery));
        result.set("whole", wholeModels);
        const auto legend = core::modelLegend(comparison, reader);
        result.set("legend", stringArray({legend.begin(), legend.end()}));
    } catch (const core::Failure& failure) {
        result.set("ok", false);
        result.set("message", failure.text(reader.language));
    }
    return result;
}

val rowLengths(val onProgress, std::string language) {
    const core::Conventions reader = readerFor(language);
    const core::RowRange& range = lastScan().marked.range;
    core::ScanControl control;
    const bool report = onProgress.typeOf().as<std::string>() == "function";
    const std::vector<core::RowLengthResult> results =
        core::compareRowLengths(range.first, range.last, 10, 120, 1, control,
                                core::ModelPrecision::Display, [&](std::uint32_t length) {
                                    if (report) {
                                        onProgress(length);
                                    }
                                });
    val table = val::array();
    const char* const keys[] = {"length",    "rows",     "n",         "p",           "nStar",
                                "tvMoments", "tvCramer", "tvPoisson", "tvMontgomery"};
    for (const core::RowLengthResult& result : results) {
        const std::vector<std::string> cells = core::rowLengthCells(result, reader);
        val row = val::object();
        for (std::size_t i = 0; i < std::size(keys); ++i) {
            row.set(keys[i], i < cells.size() ? cells[i] : std::string());
        }
        row.set("failure", result.failure ? result.failure->text(reader.language) : std::string());
        table.call<void>("push", row);
    }
    return table;
}

}  // namespace

EMSCRIPTEN_BINDINGS(primzeilen) {
    // Each call that writes texts takes the page's language as its last argument.
    emscripten::function("scan", &scan);
    emscripten::function("rowLines", &rowLines);
    emscripten::function("listingText", &listingText);
    emscripten::function("summaryLines", &summaryLines);
    emscripten::function("shares", &shares);
    emscripten::function("distribution", &distribution);
    emscripten::function("scanned", &scanned);
    emscripten::function("fit", &fit);
    emscripten::function("models", &models);
    emscripten::function("rowLengths", &rowLengths);
}

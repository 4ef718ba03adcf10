#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "cli/options.h"
#include "cli/report.h"
#include "core/line_writer.h"
#include "engine/rows/row_lengths.h"
#include "engine/rows/rows.h"
#include "engine/statistics/fit_report.h"
#include "engine/statistics/models.h"
#include "engine/statistics/sweep.h"
#include "engine/texts/summary_text.h"

namespace cli {

// What a counted run reports at its end: the tally and what was fitted to it.
struct RunReport {
    core::RowRange range;
    core::RowTally tally;
    core::SummaryText summary;  // in the reader's language and numbers
    std::optional<core::FitReport> fit;
    std::optional<core::ModelComparison> models;
    // B(n;p)(k) for the tally's table in CSV.
    std::optional<std::array<double, 21>> binomial;
    std::optional<core::RunPart> part;
    // Where rows hold more than 20 primes: what is said about all rows, after the rest.
    std::optional<core::WholeRows> whole;
};

// The output of a run in one format; each format has one.
class RunWriter {
public:
    explicit RunWriter(core::LineWriter& out) : m_out(out) {}
    RunWriter(const RunWriter&) = delete;
    RunWriter& operator=(const RunWriter&) = delete;
    virtual ~RunWriter() = default;

    // The rows of --zeilen, in order: before the first, each row, and after the last where the
    // run was not stopped.
    virtual void beginRows(const core::RowRange& range) = 0;
    virtual void row(const core::RowRange& range, std::uint64_t row, std::uint32_t count,
                     const std::vector<std::uint32_t>& offsets) = 0;
    virtual void endRows() {}
    // The report at the end; `afterRows` where the rows came before it.
    virtual void report(const RunReport& report, bool afterRows) = 0;
    // --laengen: one entry per row length.
    virtual void rowLengths(core::Number from, core::Number to,
                            const std::vector<core::RowLengthResult>& results) = 0;
    // --hoehen: one record per height and length.
    virtual void sweep(core::Number window, const std::vector<core::SweepRecord>& records) = 0;

protected:
    core::LineWriter& m_out;
};

// The writer of the options' format.
[[nodiscard]] std::unique_ptr<RunWriter> makeWriter(const Options& options, core::LineWriter& out);

}  // namespace cli

#include "run.h"

#include <QCoreApplication>
#include <cstdio>

#include "cli/csv_report.h"
#include "cli/writers.h"
#include "engine/failures.h"
#include "engine/rows/row_lengths.h"
#include "engine/statistics/distribution.h"

namespace cli {
namespace {

int writeRowLengths(const Options& options, core::ScanControl& control, core::LineWriter& out,
                    RunWriter& writer) {
    auto results = core::compareRowLengths(options.from, options.to, *options.lengths,
                                           options.threads, control);
    if (control.stop) {
        return kInterrupted;
    }
    core::addWholeRecords(results);
    writer.rowLengths(options.from, options.to, results);
    return out.flush() ? kDone : outputFailed(out.error());
}

int writeSweep(const Options& options, core::ScanControl& control, core::LineWriter& out,
               RunWriter& writer) {
    const auto records = core::sweepHeights(options.heights, options.window, *options.lengths,
                                            options.threads, control);
    if (control.stop) {
        return kInterrupted;
    }
    writer.sweep(options.window, records);
    if (!out.flush()) {
        return outputFailed(out.error());
    }
    // The records that could be made are written; one that could not is no success.
    for (const core::SweepRecord& record : records) {
        if (record.failure) {
            std::fprintf(stderr, "primzeilen-cli: %s\n",
                         qPrintable(QCoreApplication::translate("primzeilen-cli",
                                                                "keine Anpassung möglich: %1")
                                        .arg(QString::fromStdString(
                                            record.failure->text(options.reader.language)))));
            return kFailed;
        }
    }
    return kDone;
}

// The rows in order, on one thread, each line written whole.
core::RowTally countAndWriteRows(const core::RowRange& range, core::ScanControl& control,
                                 core::LineWriter& out, RunWriter& writer) {
    writer.beginRows(range);
    const core::RowTally tally = core::countRows(
        range, 0, range.rows(), control,
        [&](std::uint64_t row, std::uint32_t count, const std::vector<std::uint32_t>& offsets) {
            if (control.stop.load(std::memory_order_relaxed)) {
                return;
            }
            writer.row(range, row, count, offsets);
            if (out.error() != 0) {
                control.stop = true;
            }
        });
    if (!control.stop) {
        writer.endRows();
    }
    return tally;
}

// The report on a tally: the fit and the models as asked for; a failure of either is kept as
// its message, and what could be made is still written.
RunReport makeReport(const Options& options, const core::RowTally& tally, QString& failure) {
    RunReport report{options.range, tally, core::summaryText(tally, options.reader), {}, {}, {},
                     options.part,  {}};
    try {
        if (options.fit) {
            report.fit = core::fitReport(report.summary.shares);
        }
        if (report.fit && options.csv() && options.table == Table::Frequency) {
            report.binomial = core::binomialColumn(*report.fit);
        }
        if (options.models) {
            report.models =
                core::compareModels(core::computeModels(core::modelRows(options.range)),
                                    report.summary.shares, core::beyondTwentyShare(tally));
        }
    } catch (const core::Failure& error) {
        failure = error.message();
    }
    // Rows with more than 20 primes: the whole distribution as well, whether or not the fit
    // over the others succeeded.
    if (tally.over20 > 0) {
        core::WholeRows whole{core::rowStatistics(tally), options.fit, {}};
        try {
            if (options.models) {
                whole.models = core::compareWholeModels(tally, core::modelRows(options.range));
            }
        } catch (const core::Failure& error) {
            failure = failure.isEmpty() ? error.message() : failure;
        }
        report.whole = std::move(whole);
    }
    return report;
}

}  // namespace

int countAndWrite(const Options& options, core::ScanControl& control, core::LineWriter& out) {
    const std::unique_ptr<RunWriter> writer = makeWriter(options, out);
    if (!options.heights.empty()) {
        return writeSweep(options, control, out, *writer);
    }
    if (options.lengths) {
        return writeRowLengths(options, control, out, *writer);
    }
    core::RowTally tally;
    if (options.counted) {
        tally = *options.counted;
    } else if (options.rows) {
        tally = countAndWriteRows(options.range, control, out, *writer);
    } else {
        tally = core::countRange(options.range, options.threads, control);
    }
    if (out.error() != 0) {
        return outputFailed(out.error());
    }
    if (control.stop) {
        out.flush();
        return kInterrupted;
    }
    QString failure;
    writer->report(makeReport(options, tally, failure), options.rows);
    if (!out.flush()) {
        return outputFailed(out.error());
    }
    if (!failure.isEmpty()) {
        std::fprintf(
            stderr, "primzeilen-cli: %s\n",
            qPrintable(QCoreApplication::translate("primzeilen-cli", "keine Anpassung möglich: %1")
                           .arg(failure)));
        return kFailed;
    }
    return kDone;
}

}  // namespace cli

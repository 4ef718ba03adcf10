#include "writers.h"

#include "cli/csv_report.h"
#include "cli/report.h"
#include "cli/run_parts.h"
#include "cli/sweep_report.h"

namespace cli {
namespace {

class TextWriter final : public RunWriter {
public:
    TextWriter(core::LineWriter& out, const core::Conventions& reader)
        : RunWriter(out), m_reader(reader) {}

    void beginRows(const core::RowRange& range) override { m_width = core::headerWidth(range); }
    void row(const core::RowRange& range, std::uint64_t row, std::uint32_t count,
             const std::vector<std::uint32_t>& offsets) override {
        m_out.line(
            QString::fromStdString(core::text::rowLine(range, row, m_width, count, offsets)));
    }
    void report(const RunReport& report, bool /*afterRows*/) override {
        if (report.part) {
            m_out.line(core::partHeading(*report.part));
        }
        m_out.lines(core::summaryLines(report.summary, report.tally));
        if (report.fit) {
            m_out.lines(core::fitLines(*report.fit, m_reader));
        }
        if (report.models) {
            m_out.lines(core::modelLines(*report.models, m_reader));
        }
        if (report.whole) {
            m_out.lines(core::distributionLines(report.tally, m_reader));
            m_out.lines(core::wholeRowLines(*report.whole, report.tally, m_reader));
        }
    }
    void rowLengths(core::Number /*from*/, core::Number /*to*/,
                    const std::vector<core::RowLengthResult>& results) override {
        m_out.lines(core::wholeRowLengthLines(results, m_reader));
    }
    void sweep(core::Number /*window*/, const std::vector<core::SweepRecord>& records) override {
        m_out.lines(core::sweepLines(records, true, m_reader));
    }

private:
    core::Conventions m_reader;
    int m_width = 0;
};

class CsvWriter final : public RunWriter {
public:
    CsvWriter(core::LineWriter& out, const Options& options)
        : RunWriter(out),
          m_style(options.format == Format::CsvGerman ? core::CsvStyle::German
                                                      : core::CsvStyle::Plain),
          m_columns{options.fit, options.models},
          m_table(options.table) {}

    void beginRows(const core::RowRange& /*range*/) override {
        m_out.text(core::rowsCsvHeading(m_style));
    }
    void row(const core::RowRange& range, std::uint64_t row, std::uint32_t count,
             const std::vector<std::uint32_t>& offsets) override {
        QString line = core::rowCsv(m_style, range, row, count, offsets);
        line.chop(1);  // the writer ends the line
        m_out.line(line);
    }
    void report(const RunReport& report, bool afterRows) override {
        if (afterRows) {
            return;  // the rows are the table
        }
        m_out.text(m_table == Table::Fit
                       ? core::fitCsv(m_style, m_columns, report.range, report.tally, report.fit,
                                      report.models, report.whole)
                       : core::frequencyCsv(m_style, m_columns, report.range, report.summary,
                                            report.tally, report.binomial, report.models,
                                            report.whole));
    }
    void rowLengths(core::Number from, core::Number to,
                    const std::vector<core::RowLengthResult>& results) override {
        m_out.text(core::wholeRowLengthCsv(m_style, from, to, results));
    }
    void sweep(core::Number /*window*/, const std::vector<core::SweepRecord>& records) override {
        m_out.text(core::sweepCsv(m_style, records));
    }

private:
    core::CsvStyle m_style;
    core::CsvColumns m_columns;
    Table m_table;
};

class JsonWriter final : public RunWriter {
public:
    using RunWriter::RunWriter;

    // A row waits for the next to know whether a comma follows it.
    void beginRows(const core::RowRange& /*range*/) override {
        m_out.text(core::jsonListOpening("zeilenliste"));
    }
    void row(const core::RowRange& range, std::uint64_t row, std::uint32_t count,
             const std::vector<std::uint32_t>& offsets) override {
        if (!m_pending.isEmpty()) {
            m_out.line(m_pending + u',');
        }
        m_pending = core::rowJson(range, row, count, offsets);
    }
    void endRows() override { m_out.line(m_pending); }
    void report(const RunReport& report, bool afterRows) override {
        writeJsonReport(report, afterRows);
    }
    void rowLengths(core::Number from, core::Number to,
                    const std::vector<core::RowLengthResult>& results) override {
        m_out.text(core::wholeRowLengthJson(from, to, results));
    }
    void sweep(core::Number window, const std::vector<core::SweepRecord>& records) override {
        m_out.text(core::sweepJson(window, records));
    }

private:
    void writeJsonReport(const RunReport& report, bool afterRows) {
        core::Json json = core::reportJson(report.range, report.summary, report.tally, report.fit,
                                           report.models, report.whole);
        if (report.part) {
            core::addPartBlock(json, *report.part);
        }
        // With the rows, the object began before them.
        m_out.text(afterRows ? core::jsonListClosing(json) : core::jsonText(json));
    }

    QString m_pending;
};

}  // namespace

std::unique_ptr<RunWriter> makeWriter(const Options& options, core::LineWriter& out) {
    switch (options.format) {
        case Format::Text:
            return std::make_unique<TextWriter>(out, options.reader);
        case Format::Csv:
        case Format::CsvGerman:
            return std::make_unique<CsvWriter>(out, options);
        case Format::Json:
            return std::make_unique<JsonWriter>(out);
    }
    return std::make_unique<TextWriter>(out, options.reader);
}

}  // namespace cli

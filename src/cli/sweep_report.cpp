#include "sweep_report.h"

#include <QCoreApplication>
#include <algorithm>

#include "cli/report.h"
#include "core/conversions.h"

namespace core {

namespace {

// The columns of a record after its height: length, rows, then its statistics.
const char* const kHeadings[] = {
    QT_TRANSLATE_NOOP("core::Report", "Länge"),
    QT_TRANSLATE_NOOP("core::Report", "Zeilen"),
    QT_TRANSLATE_NOOP("core::Report", "Mittel"),
    QT_TRANSLATE_NOOP("core::Report", "Var. beob."),
    QT_TRANSLATE_NOOP("core::Report", "Var. Cramér"),
    QT_TRANSLATE_NOOP("core::Report", "Var. M–S"),
    QT_TRANSLATE_NOOP("core::Report", "σ beob./σ M–S"),
    QT_TRANSLATE_NOOP("core::Report", "TV Momente"),
    QT_TRANSLATE_NOOP("core::Report", "TV Cramér"),
    QT_TRANSLATE_NOOP("core::Report", "TV Poisson"),
    QT_TRANSLATE_NOOP("core::Report", "TV M–S"),
    QT_TRANSLATE_NOOP("core::Report", "n"),
    QT_TRANSLATE_NOOP("core::Report", "n*"),
};

// The text cells of a record: its statistics, or where it has none, why.
QStringList recordCells(const SweepRecord& record, bool withHeight, const Conventions& reader) {
    QStringList cells;
    if (withHeight) {
        cells << QString::fromStdString(text::numberText(record.height));
    }
    cells << QString::number(record.length)
          << QString::number(record.range ? record.range->rows() : 0);
    if (!record.range || record.tally.totalRows() == 0) {
        cells << QCoreApplication::translate("core::Report", "keine ganze Zeile");
        return cells;
    }
    if (!record.comparison) {
        cells << QCoreApplication::translate("core::Report", "keine Anpassung: %1")
                     .arg(record.failure
                              ? QString::fromStdString(record.failure->text(reader.language))
                              : QString());
        return cells;
    }
    const WholeComparison& c = *record.comparison;
    const auto decimals = [&](double value, int digits) {
        return fixedText(value, 15, digits, reader);
    };
    const auto tv = [&](double value) { return fixedText(value, 4, 3, reader); };
    const QString none = QStringLiteral("–");
    cells << decimals(c.observed.mean, 2) << decimals(c.observed.variance, 2)
          << decimals(c.models.varianceCramer, 2) << decimals(c.models.varianceMontgomery, 2)
          << decimals(deviationRatio(c), 4) << (c.tvMoments ? tv(*c.tvMoments) : none)
          << tv(c.tvCramer) << tv(c.tvPoisson) << tv(c.tvMontgomery)
          << (c.observed.fit ? QString::number(c.observed.fit->n) : none)
          << decimals(c.models.predictedN, 2);
    return cells;
}

// Rows of cells right-aligned in columns as wide as their widest cell; a row shorter than the
// heading (a record that says why it has no statistics) ends with its message, left-aligned.
QStringList alignedLines(const QStringList& heading, const std::vector<QStringList>& rows) {
    std::vector<qsizetype> widths;
    for (const QString& title : heading) {
        widths.push_back(title.size());
    }
    for (const QStringList& row : rows) {
        const bool complete = row.size() == heading.size();
        for (qsizetype i = 0; i < row.size() && (complete || i + 1 < row.size()); ++i) {
            widths[i] = std::max(widths[i], row[i].size());
        }
    }
    const auto line = [&](const QStringList& cells) {
        QString text;
        for (qsizetype i = 0; i < cells.size(); ++i) {
            const bool message = cells.size() < heading.size() && i + 1 == cells.size();
            text += (i == 0 ? QString() : QStringLiteral("  ")) +
                    (message ? cells[i] : cells[i].rightJustified(widths[i]));
        }
        return text;
    };
    QStringList lines{line(heading)};
    for (const QStringList& row : rows) {
        lines.append(line(row));
    }
    return lines;
}

Json orNull(const std::optional<double>& value) {
    return value ? Json(*value) : Json(nullptr);
}

// A record's statistics for programs, every key present (null where there is no value).
Json recordJson(const SweepRecord& record) {
    Json json{{"laenge", record.length},
              {"von", record.range ? jsonNumber(record.range->first) : Json(nullptr)},
              {"bis", record.range ? jsonNumber(record.range->last) : Json(nullptr)},
              {"zeilen", record.range ? record.range->rows() : 0}};
    const WholeComparison* c = record.comparison ? &*record.comparison : nullptr;
    const auto value = [&](auto get) { return c ? Json(get(*c)) : Json(nullptr); };
    json["mittel"] = value([](const WholeComparison& w) { return w.observed.mean; });
    json["varianz"] = {
        {"beobachtet", value([](const WholeComparison& w) { return w.observed.variance; })},
        {"cramer", value([](const WholeComparison& w) { return w.models.varianceCramer; })},
        {"poisson", value([](const WholeComparison& w) { return w.models.variancePoisson; })},
        {"montgomery",
         value([](const WholeComparison& w) { return w.models.varianceMontgomery; })}};
    json["sigma_verhaeltnis_montgomery"] = value(deviationRatio);
    json["tv"] = {{"momente", c ? orNull(c->tvMoments) : Json(nullptr)},
                  {"cramer", value([](const WholeComparison& w) { return w.tvCramer; })},
                  {"poisson", value([](const WholeComparison& w) { return w.tvPoisson; })},
                  {"montgomery", value([](const WholeComparison& w) { return w.tvMontgomery; })}};
    const bool fitted = c && c->observed.fit;
    json["n"] = fitted ? Json(c->observed.fit->n) : Json(nullptr);
    json["p"] = fitted ? Json(c->observed.fit->p) : Json(nullptr);
    json["n_vorhergesagt"] = predictedN(record.length);
    if (record.failure) {
        json["fehler"] = record.failure->text();  // for programs: the same in every language
    }
    return json;
}

// The CSV cells of a record's statistics, empty where there is no value.
QStringList statisticsCells(const CsvTable& table, const SweepRecord& record) {
    if (!record.comparison) {
        return QStringList(12);
    }
    const WholeComparison& c = *record.comparison;
    const bool fitted = c.observed.fit.has_value();
    return {table.number(c.observed.mean),
            table.number(c.observed.variance),
            table.number(c.models.varianceCramer),
            table.number(c.models.variancePoisson),
            table.number(c.models.varianceMontgomery),
            table.number(deviationRatio(c)),
            c.tvMoments ? table.number(*c.tvMoments) : QString(),
            table.number(c.tvCramer),
            table.number(c.tvPoisson),
            table.number(c.tvMontgomery),
            fitted ? table.number(Number{c.observed.fit->n}) : QString(),
            fitted ? table.number(c.observed.fit->p) : QString()};
}

const char* const kStatisticsColumns[] = {"mittel",
                                          "varianz_beobachtet",
                                          "varianz_cramer",
                                          "varianz_poisson",
                                          "varianz_montgomery",
                                          "sigma_verhaeltnis_montgomery",
                                          "tv_momente",
                                          "tv_cramer",
                                          "tv_poisson",
                                          "tv_montgomery",
                                          "n",
                                          "p"};

QStringList statisticsHeadings(const QString& prefix) {
    QStringList columns;
    for (const char* column : kStatisticsColumns) {
        columns << prefix + QLatin1String(column);
    }
    return columns;
}

bool anyWhole(const std::vector<RowLengthResult>& results) {
    return std::any_of(results.begin(), results.end(),
                       [](const RowLengthResult& result) { return result.whole.has_value(); });
}

}  // namespace

QStringList sweepLines(const std::vector<SweepRecord>& records, bool withHeight,
                       const Conventions& reader) {
    QStringList heading;
    if (withHeight) {
        heading << QCoreApplication::translate("core::Report", "Höhe");
    }
    for (const char* title : kHeadings) {
        heading << QCoreApplication::translate("core::Report", title);
    }
    std::vector<QStringList> rows;
    for (const SweepRecord& record : records) {
        rows.push_back(recordCells(record, withHeight, reader));
    }
    return alignedLines(heading, rows);
}

QString sweepJson(Number window, const std::vector<SweepRecord>& records) {
    Json list = Json::array();
    for (const SweepRecord& record : records) {
        Json entry{{"hoehe", jsonNumber(record.height)}};
        entry.update(recordJson(record));
        list.push_back(std::move(entry));
    }
    return jsonText({{"fenster", jsonNumber(window)}, {"datensaetze", list}});
}

QString sweepCsv(CsvStyle style, const std::vector<SweepRecord>& records) {
    const CsvTable table(style);
    // Each row names its run first, as every table of the program does, then its height.
    QString csv = table.heading(
        QStringList{QStringLiteral("von"), QStringLiteral("bis"), QStringLiteral("laenge"),
                    QStringLiteral("zeilen"), QStringLiteral("hoehe")} +
        statisticsHeadings(QString()) + QStringList{QStringLiteral("n_vorhergesagt")});
    for (const SweepRecord& record : records) {
        const QStringList cells{record.range ? table.number(record.range->first) : QString(),
                                record.range ? table.number(record.range->last) : QString(),
                                table.number(Number{record.length}),
                                table.number(Number{record.range ? record.range->rows() : 0}),
                                table.number(record.height)};
        csv += table.row(cells + statisticsCells(table, record) +
                         QStringList{table.number(predictedN(record.length))});
    }
    return csv;
}

QStringList wholeRowLengthLines(const std::vector<RowLengthResult>& results,
                                const Conventions& reader) {
    QStringList lines = rowLengthLines(results, reader);
    if (!anyWhole(results)) {
        return lines;
    }
    std::vector<SweepRecord> records;
    for (const RowLengthResult& result : results) {
        records.push_back(
            result.whole.value_or(SweepRecord{0, result.length, result.range, {}, {}, {}}));
    }
    lines << QString()
          << QCoreApplication::translate("core::Report",
                                         "Über alle Zeilen, auch die mit mehr als 20 Primzahlen:")
          << sweepLines(records, false, reader);
    return lines;
}

QString wholeRowLengthJson(Number from, Number to, const std::vector<RowLengthResult>& results) {
    const QString plain = rowLengthJson(from, to, results);
    if (!anyWhole(results)) {
        return plain;
    }
    // The plain comparison's object, read back (its numbers read back exactly), and each entry
    // given its record.
    Json json = Json::parse(plain.toStdString());
    Json& lengths = json["laengen"];
    for (std::size_t i = 0; i < results.size() && i < lengths.size(); ++i) {
        if (results[i].whole) {
            Json whole = recordJson(*results[i].whole);
            for (const char* repeated : {"laenge", "zeilen", "n_vorhergesagt"}) {
                whole.erase(repeated);
            }
            lengths[i]["gesamt"] = std::move(whole);
        }
    }
    return jsonText(json);
}

QString wholeRowLengthCsv(CsvStyle style, Number from, Number to,
                          const std::vector<RowLengthResult>& results) {
    const QString plain = rowLengthCsv(style, from, to, results);
    if (!anyWhole(results)) {
        return plain;
    }
    const CsvTable table(style);
    const QString end = style == CsvStyle::German ? QStringLiteral("\r\n") : QStringLiteral("\n");
    const QChar separator = style == CsvStyle::German ? u';' : u',';
    QStringList lines = plain.split(end);
    lines.removeLast();  // after the last line end
    const auto extended = [&](const QString& line, const QStringList& cells) {
        return line + separator + cells.join(separator) + end;
    };
    QString csv = extended(lines.front(), statisticsHeadings(QStringLiteral("gesamt_")));
    for (std::size_t i = 0; i < results.size(); ++i) {
        const QString& line = lines.at(static_cast<qsizetype>(i) + 1);
        csv += extended(
            line, results[i].whole ? statisticsCells(table, *results[i].whole) : QStringList(12));
    }
    return csv;
}

}  // namespace core

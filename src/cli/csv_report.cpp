#include "csv_report.h"

#include <algorithm>

#include "core/conversions.h"
#include "engine/statistics/binomial_fit.h"

namespace core {

QString CsvTable::heading(const QStringList& columns) const {
    return (m_style == CsvStyle::German ? QStringLiteral("\uFEFF") : QString()) + row(columns);
}

QString CsvTable::row(const QStringList& cells) const {
    return m_style == CsvStyle::German ? cells.join(u';') + QStringLiteral("\r\n")
                                       : cells.join(u',') + u'\n';
}

QString CsvTable::number(double value) const {
    QString text = roundTripText(value);
    if (m_style == CsvStyle::German) {
        text.replace(u'.', u',');
    }
    return text;
}

namespace {

// The columns every table of a run begins with.
QStringList runCells(const CsvTable& table, const RowRange& range) {
    return {table.number(range.first), table.number(range.last), table.number(Number{range.length}),
            table.number(Number{range.rows()})};
}

const QStringList kRunColumns{QStringLiteral("von"), QStringLiteral("bis"),
                              QStringLiteral("laenge"), QStringLiteral("zeilen_gesamt")};

}  // namespace

std::array<double, 21> binomialColumn(const FitReport& fit) {
    const std::vector<double> column = binomialColumn(fit.binomial, 21);
    std::array<double, 21> shares{};
    std::copy(column.begin(), column.end(), shares.begin());
    return shares;
}

QString frequencyCsv(CsvStyle style, CsvColumns asked, const RowRange& range,
                     const SummaryText& summary, const RowTally& tally,
                     const std::optional<std::array<double, 21>>& binomial,
                     const std::optional<ModelComparison>& models,
                     const std::optional<WholeRows>& whole) {
    const CsvTable table(style);
    QStringList columns = kRunColumns;
    columns << QStringLiteral("primzahlen") << QStringLiteral("zeilen_mehr_als_20")
            << QStringLiteral("k") << QStringLiteral("zeilen") << QStringLiteral("anteil");
    if (asked.fit) {
        columns << QStringLiteral("binomial");
    }
    if (asked.models) {
        columns << QStringLiteral("cramer") << QStringLiteral("poisson")
                << QStringLiteral("montgomery");
    }
    QString csv = table.heading(columns);
    const WholeComparison* over = whole && whole->models ? &*whole->models : nullptr;
    // A model's share over the whole distribution, empty outside the counts that occur.
    const auto wholeShare = [&](const std::vector<double> WholeModelShares::*model,
                                std::uint64_t k) {
        if (over == nullptr || k < over->models.first) {
            return QString();
        }
        const std::vector<double>& shares = over->models.*model;
        const std::uint64_t at = k - over->models.first;
        return at < shares.size() ? table.number(shares[at]) : QString();
    };
    const auto addRow = [&](std::uint64_t k) {
        const bool tallied = k < tally.rows.size();
        QStringList cells = runCells(table, range);
        cells << table.number(Number{tally.primes}) << table.number(Number{tally.over20})
              << table.number(Number{k}) << table.number(Number{tally.rowsWith(k)})
              << (tallied ? table.number(summary.shares[k]) : QString());
        if (asked.fit) {
            cells << (binomial && tallied ? table.number((*binomial)[k]) : QString());
        }
        if (asked.models && !tallied) {
            cells << wholeShare(&WholeModelShares::cramer, k)
                  << wholeShare(&WholeModelShares::poisson, k)
                  << wholeShare(&WholeModelShares::montgomery, k);
        } else if (asked.models && models) {
            cells << table.number(models->models.cramer[k])
                  << table.number(models->models.poisson[k])
                  << table.number(models->models.montgomery[k]);
        } else if (asked.models) {
            cells << QString() << QString() << QString();
        }
        csv += table.row(cells);
    };
    for (std::uint64_t k = 0; k < tally.rows.size(); ++k) {
        addRow(k);
    }
    if (whole) {
        const std::uint64_t last = tally.highestCount();
        for (std::uint64_t k = std::max<std::uint64_t>(tally.rows.size(), tally.lowestCount());
             k <= last; ++k) {
            addRow(k);
        }
    }
    return csv;
}

namespace {

const QStringList kWholeFitColumns{
    QStringLiteral("mittelwert_alle_zeilen"), QStringLiteral("varianz_alle_zeilen"),
    QStringLiteral("standardabweichung_alle_zeilen"), QStringLiteral("n_alle_zeilen"),
    QStringLiteral("p_alle_zeilen")};
const QStringList kWholeModelColumns{QStringLiteral("tv_momente_alle_zeilen"),
                                     QStringLiteral("tv_cramer_alle_zeilen"),
                                     QStringLiteral("tv_poisson_alle_zeilen"),
                                     QStringLiteral("tv_montgomery_alle_zeilen"),
                                     QStringLiteral("varianz_cramer_alle_zeilen"),
                                     QStringLiteral("varianz_poisson_alle_zeilen"),
                                     QStringLiteral("varianz_montgomery_alle_zeilen"),
                                     QStringLiteral("verhaeltnis_cramer"),
                                     QStringLiteral("verhaeltnis_poisson"),
                                     QStringLiteral("verhaeltnis_montgomery"),
                                     QStringLiteral("ausserhalb_momente"),
                                     QStringLiteral("ausserhalb_cramer"),
                                     QStringLiteral("ausserhalb_poisson"),
                                     QStringLiteral("ausserhalb_montgomery")};

// The cells of the columns above; empty ones where the models were not asked for or not made.
QStringList wholeFitCells(const CsvTable& table, bool modelsAsked, const WholeRows& whole) {
    const RowStatistics& s = whole.statistics;
    QStringList cells{table.number(s.mean), table.number(s.variance), table.number(s.deviation),
                      s.fit ? table.number(Number{s.fit->n}) : QString(),
                      s.fit ? table.number(s.fit->p) : QString()};
    if (!modelsAsked) {
        return cells;
    }
    if (!whole.models) {
        return cells << QStringList(kWholeModelColumns.size(), QString());
    }
    const WholeComparison& c = *whole.models;
    const WholeModelShares& m = c.models;
    return cells << (c.tvMoments ? table.number(*c.tvMoments) : QString())
                 << table.number(c.tvCramer) << table.number(c.tvPoisson)
                 << table.number(c.tvMontgomery) << table.number(m.varianceCramer)
                 << table.number(m.variancePoisson) << table.number(m.varianceMontgomery)
                 << table.number(c.ratioCramer) << table.number(c.ratioPoisson)
                 << table.number(c.ratioMontgomery)
                 << (c.moments.empty() ? QString() : table.number(c.outsideMoments))
                 << table.number(m.outsideCramer) << table.number(m.outsidePoisson)
                 << table.number(m.outsideMontgomery);
}

}  // namespace

QString fitCsv(CsvStyle style, CsvColumns asked, const RowRange& range, const RowTally& tally,
               const std::optional<FitReport>& fit, const std::optional<ModelComparison>& models,
               const std::optional<WholeRows>& whole) {
    const CsvTable table(style);
    QStringList columns = kRunColumns;
    columns << QStringLiteral("zeilen_mehr_als_20") << QStringLiteral("n") << QStringLiteral("p")
            << QStringLiteral("erwartungswert_h") << QStringLiteral("erwartungswert_b")
            << QStringLiteral("standardabweichung_h") << QStringLiteral("standardabweichung_b");
    if (asked.models) {
        columns << QStringLiteral("n_vorhergesagt")
                << QStringLiteral("zeilen_cramer_statt_montgomery") << QStringLiteral("tv_momente")
                << QStringLiteral("tv_cramer") << QStringLiteral("tv_poisson")
                << QStringLiteral("tv_montgomery") << QStringLiteral("varianz_beobachtet")
                << QStringLiteral("varianz_momente") << QStringLiteral("varianz_cramer")
                << QStringLiteral("varianz_poisson") << QStringLiteral("varianz_montgomery");
    }
    if (whole) {
        columns << kWholeFitColumns;
        if (asked.models) {
            columns << kWholeModelColumns;
        }
    }
    QString csv = table.heading(columns);
    if (!fit && !whole) {
        return csv;
    }
    QStringList cells = runCells(table, range);
    cells << table.number(Number{tally.over20});
    if (fit) {
        cells << table.number(Number{fit->binomial.n})
              << table.number(static_cast<double>(fit->binomial.p))
              << table.number(static_cast<double>(fit->meanObserved))
              << table.number(static_cast<double>(fit->meanBinomial))
              << table.number(static_cast<double>(fit->deviationObserved))
              << table.number(static_cast<double>(fit->deviationBinomial));
    } else {
        cells << QStringList(6, QString());
    }
    if (models) {
        cells << table.number(models->models.predictedN)
              << table.number(Number{models->models.montgomeryFallbackRows})
              << table.number(models->tvMoments) << table.number(models->tvCramer)
              << table.number(models->tvPoisson) << table.number(models->tvMontgomery)
              << table.number(models->varianceObserved) << table.number(models->varianceMoments)
              << table.number(models->models.varianceCramer)
              << table.number(models->models.variancePoisson)
              << table.number(models->models.varianceMontgomery);
    } else if (asked.models) {
        cells << QStringList(11, QString());
    }
    if (whole) {
        cells << wholeFitCells(table, asked.models, *whole);
    }
    return csv + table.row(cells);
}

QString rowsCsvHeading(CsvStyle style) {
    return CsvTable(style).heading(
        {QStringLiteral("erste_zahl"), QStringLiteral("markierung"), QStringLiteral("primzahlen")});
}

QString rowCsv(CsvStyle style, const RowRange& range, std::uint64_t row, std::uint32_t count,
               const std::vector<std::uint32_t>& offsets) {
    const CsvTable table(style);
    return table.row({table.number(range.rowStart(row)),
                      QString::fromStdString(text::rowMarks(range, offsets)),
                      table.number(Number{count})});
}

QString rowLengthCsv(CsvStyle style, Number from, Number to,
                     const std::vector<RowLengthResult>& results) {
    const CsvTable table(style);
    QString csv = table.heading(
        {QStringLiteral("von"), QStringLiteral("bis"), QStringLiteral("laenge"),
         QStringLiteral("zeilen"), QStringLiteral("n"), QStringLiteral("p"),
         QStringLiteral("n_vorhergesagt"), QStringLiteral("tv_momente"),
         QStringLiteral("tv_cramer"), QStringLiteral("tv_poisson"), QStringLiteral("tv_montgomery"),
         QStringLiteral("varianz_beobachtet"), QStringLiteral("varianz_montgomery")});
    for (const RowLengthResult& result : results) {
        QStringList cells{table.number(from), table.number(to), table.number(Number{result.length}),
                          table.number(Number{result.range ? result.range->rows() : 0})};
        if (result.comparison) {
            const ModelComparison& c = *result.comparison;
            cells << table.number(Number{c.fit.n}) << table.number(static_cast<double>(c.fit.p))
                  << table.number(result.predictedN) << table.number(c.tvMoments)
                  << table.number(c.tvCramer) << table.number(c.tvPoisson)
                  << table.number(c.tvMontgomery) << table.number(c.varianceObserved)
                  << table.number(c.models.varianceMontgomery);
        } else {
            cells << QString() << QString() << table.number(result.predictedN) << QString()
                  << QString() << QString() << QString() << QString() << QString();
        }
        csv += table.row(cells);
    }
    return csv;
}

}  // namespace core

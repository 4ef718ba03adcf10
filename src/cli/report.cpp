#include "report.h"

#include <QCoreApplication>

#include "engine/arithmetic.h"
#include "core/conversions.h"
#include "cli/csv_report.h"

namespace core {

namespace {

QString full(double value) {
    return roundTripText(value);
}

QString full(long double value) {
    return roundTripText(static_cast<double>(value));
}

// A translated label and the space before its value.
QString label(const char* source) {
    return QCoreApplication::translate("core::Report", source) + u' ';
}

}  // namespace

QStringList summaryLines(const core::FrequencySummary& summary, const core::RowTally& tally) {
    QStringList lines = summary.lines;
    lines.append(u' ' +
                 label(QT_TRANSLATE_NOOP("core::Report", "Zeilen mit mehr als 20 Primzahlen:")) +
                 QString::number(tally.over20));
    return lines;
}

QStringList fitLines(const FitReport& fit) {
    const FitTexts texts = fitTexts(fit);
    return {
        QStringLiteral("n: ") + texts.n,
        QStringLiteral("p: ") + texts.p,
        label(QT_TRANSLATE_NOOP("core::Report", "Erwartungswert von h(x):")) + texts.meanObserved,
        label(QT_TRANSLATE_NOOP("core::Report", "Erwartungswert von B(n;p):")) + texts.meanBinomial,
        label(QT_TRANSLATE_NOOP("core::Report", "Standardabweichung von h(x):")) +
            texts.deviationObserved,
        label(QT_TRANSLATE_NOOP("core::Report", "Standardabweichung von B(n;p):")) +
            texts.deviationBinomial};
}

QStringList modelLines(const core::ModelComparison& models) {
    const auto share = [](double value) { return formatFixed(value, 8, 6).rightJustified(11); };
    QStringList lines{QCoreApplication::translate("core::Report", "Vergleich mit Zufallsmodellen:"),
                      QStringLiteral("  k       h(k)  B(n;p)(k)       C(k)       P(k)       M(k)")};
    for (std::size_t k = 0; k < 21; ++k) {
        lines.append(QStringLiteral("%1").arg(k, 3) + share(models.observed[k]) +
                     share(models.moments[k]) + share(models.models.cramer[k]) +
                     share(models.models.poisson[k]) + share(models.models.montgomery[k]));
    }
    const auto tv = [](double value) { return formatFixed(value, 4, 3); };
    const auto variance = [](double value) { return formatFixed(value, 8, 4); };
    const QString moments =
        QCoreApplication::translate("core::Report", "Momente B(%1;%2)")
            .arg(core::formatInteger(models.fit.n), formatFixed(models.fit.p, 6, 4));
    lines << label(QT_TRANSLATE_NOOP("core::Report",
                                     "vorhergesagtes n (Montgomery–Soundararajan):")) +
                 formatFixed(models.models.predictedN, 6, 2);
    if (models.models.montgomeryFallbackRows > 0) {
        lines << label(QT_TRANSLATE_NOOP(
                     "core::Report", "Zeilen mit Cramér-Modell statt Montgomery–Soundararajan:")) +
                     QString::number(models.models.montgomeryFallbackRows);
    }
    lines << QCoreApplication::translate("core::Report", "TV %1: %2")
                 .arg(moments, tv(models.tvMoments))
          << label(QT_TRANSLATE_NOOP("core::Report", "TV Cramér-Modell:")) + tv(models.tvCramer)
          << label(QT_TRANSLATE_NOOP("core::Report", "TV Poisson (Gallagher):")) +
                 tv(models.tvPoisson)
          << label(QT_TRANSLATE_NOOP("core::Report", "TV Montgomery–Soundararajan:")) +
                 tv(models.tvMontgomery)
          << label(QT_TRANSLATE_NOOP("core::Report", "Varianz beobachtet:")) +
                 variance(models.varianceObserved)
          << QCoreApplication::translate("core::Report", "Varianz %1: %2")
                 .arg(moments, variance(models.varianceMoments))
          << label(QT_TRANSLATE_NOOP("core::Report", "Varianz Cramér-Modell:")) +
                 variance(models.models.varianceCramer)
          << label(QT_TRANSLATE_NOOP("core::Report", "Varianz Poisson (Gallagher):")) +
                 variance(models.models.variancePoisson)
          << label(QT_TRANSLATE_NOOP("core::Report", "Varianz Montgomery–Soundararajan:")) +
                 variance(models.models.varianceMontgomery);
    return lines;
}

QString jsonReport(const core::RowRange& range, const core::FrequencySummary& summary,
                   const core::RowTally& tally, const std::optional<FitReport>& fit,
                   const std::optional<core::ModelComparison>& models) {
    QString json = QStringLiteral(
                       "{\n  \"von\": %1,\n  \"bis\": %2,\n  \"laenge\": %3,\n"
                       "  \"zeilen\": %4,\n  \"primzahlen\": %5,\n  \"haeufigkeit\": [\n")
                       .arg(numberText(range.first))
                       .arg(numberText(range.last))
                       .arg(range.length)
                       .arg(range.rows())
                       .arg(tally.primes);
    for (std::size_t k = 0; k < tally.rows.size(); ++k) {
        json += QStringLiteral("    {\"k\": %1, \"zeilen\": %2, \"anteil\": %3}%4\n")
                    .arg(k)
                    .arg(tally.rows[k])
                    .arg(full(summary.shares[k]))
                    .arg(k + 1 < tally.rows.size() ? QStringLiteral(",") : QString());
    }
    json += QStringLiteral("  ],\n  \"mehr_als_20\": %1").arg(tally.over20);
    if (fit) {
        json += QStringLiteral(
                    ",\n  \"anpassung\": {\"n\": %1, \"p\": %2, \"erwartungswert_h\": %3, "
                    "\"erwartungswert_b\": %4, \"standardabweichung_h\": %5, "
                    "\"standardabweichung_b\": %6}")
                    .arg(fit->binomial.n)
                    .arg(full(fit->binomial.p), full(fit->meanObserved), full(fit->meanBinomial),
                         full(fit->deviationObserved), full(fit->deviationBinomial));
    }
    if (models) {
        const auto list = [](const auto& values) {
            QStringList texts;
            for (std::size_t k = 0; k < 21; ++k) {
                texts.append(full(static_cast<double>(values[k])));
            }
            return u'[' + texts.join(QStringLiteral(", ")) + u']';
        };
        json +=
            QStringLiteral(
                ",\n  \"modelle\": {\n    \"binomial\": %1,\n    \"cramer\": %2,\n"
                "    \"poisson\": %3,\n    \"tv\": {\"momente\": %4, \"cramer\": %5, "
                "\"poisson\": %6},\n    \"varianz\": {\"beobachtet\": %7, \"momente\": %8, "
                "\"cramer\": %9, \"poisson\": %10}\n  }")
                .arg(list(models->moments), list(models->models.cramer),
                     list(models->models.poisson), full(models->tvMoments), full(models->tvCramer),
                     full(models->tvPoisson), full(models->varianceObserved),
                     full(models->varianceMoments), full(models->models.varianceCramer))
                .arg(full(models->models.variancePoisson));
        // The Montgomery-Soundararajan model after the others, so their keys keep their places.
        json.chop(4);  // "\n  }"
        json += QStringLiteral(
                    ",\n    \"montgomery\": %1,\n    \"tv_montgomery\": %2,\n"
                    "    \"varianz_montgomery\": %3,\n    \"n_vorhergesagt\": %4,\n"
                    "    \"zeilen_cramer_statt_montgomery\": %5\n  }")
                    .arg(list(models->models.montgomery), full(models->tvMontgomery),
                         full(models->models.varianceMontgomery), full(models->models.predictedN))
                    .arg(models->models.montgomeryFallbackRows);
    }
    json += QStringLiteral("\n}\n");
    return json;
}

QString rowJson(const RowRange& range, std::uint64_t row, std::uint32_t count,
                const std::vector<std::uint32_t>& offsets) {
    return QStringLiteral("    {\"erste_zahl\": %1, \"markierung\": \"%2\", \"primzahlen\": %3}")
        .arg(numberText(range.rowStart(row)), rowMarks(range, offsets))
        .arg(count);
}

QStringList rowLengthLines(const std::vector<RowLengthResult>& results) {
    QStringList lines{QCoreApplication::translate(
        "core::Report",
        "Länge   Zeilen       n       p      n*  TV Momente  TV Cramér  TV Poisson  TV M–S")};
    const auto tv = [](double value) { return formatFixed(value, 4, 3); };
    for (const RowLengthResult& result : results) {
        QString line = QStringLiteral("%1").arg(result.length, 5) +
                       QStringLiteral("%1").arg(result.range ? result.range->rows() : 0, 9);
        if (!result.range) {
            line += QStringLiteral("  ") +
                    QCoreApplication::translate("core::Report", "keine ganze Zeile");
        } else if (!result.comparison) {
            line += QStringLiteral("  ") +
                    QCoreApplication::translate("core::Report", "keine Anpassung: %1")
                        .arg(QString::fromStdString(result.failure));
        } else {
            const ModelComparison& c = *result.comparison;
            line += formatInteger(c.fit.n).rightJustified(8) +
                    formatFixed(c.fit.p, 6, 4).rightJustified(8) +
                    formatFixed(result.predictedN, 6, 2).rightJustified(8) +
                    tv(c.tvMoments).rightJustified(12) + tv(c.tvCramer).rightJustified(11) +
                    tv(c.tvPoisson).rightJustified(12) + tv(c.tvMontgomery).rightJustified(8);
        }
        lines.append(line);
    }
    return lines;
}

QString rowLengthJson(Number from, Number to, const std::vector<RowLengthResult>& results) {
    QString json = QStringLiteral("{\n  \"von\": %1,\n  \"bis\": %2,\n  \"laengen\": [\n")
                       .arg(numberText(from), numberText(to));
    for (std::size_t i = 0; i < results.size(); ++i) {
        const RowLengthResult& result = results[i];
        json += QStringLiteral("    {\"laenge\": %1, \"zeilen\": %2, \"n_vorhergesagt\": %3")
                    .arg(result.length)
                    .arg(result.range ? result.range->rows() : 0)
                    .arg(full(result.predictedN));
        if (result.comparison) {
            const ModelComparison& c = *result.comparison;
            json += QStringLiteral(
                        ", \"n\": %1, \"p\": %2, \"tv\": {\"momente\": %3, \"cramer\": %4, "
                        "\"poisson\": %5, \"montgomery\": %6}")
                        .arg(c.fit.n)
                        .arg(full(c.fit.p), full(c.tvMoments), full(c.tvCramer), full(c.tvPoisson),
                             full(c.tvMontgomery));
        } else {
            json += QStringLiteral(", \"n\": null, \"p\": null, \"tv\": null");
        }
        json += i + 1 < results.size() ? QStringLiteral("},\n") : QStringLiteral("}\n");
    }
    json += QStringLiteral("  ]\n}\n");
    return json;
}

}  // namespace core

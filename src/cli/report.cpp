#include "report.h"

#include <QCoreApplication>
#include <algorithm>

#include "cli/csv_report.h"
#include "cli/json_text.h"
#include "core/conversions.h"
#include "engine/arithmetic.h"
#include "engine/texts/fit_text.h"

namespace core {

namespace {

// A translated label and the space before its value.
QString label(const char* source) {
    return QCoreApplication::translate("core::Report", source) + u' ';
}

}  // namespace

QString fixedText(long double value, int precision, int digits, const Conventions& reader) {
    return QString::fromStdString(text::formatFixed(value, precision, digits, reader));
}

namespace {

int countWidth(std::uint64_t highest) {
    return std::max(3, static_cast<int>(QString::number(highest).size()));
}

QString wholeFitText(const WholeFit& fit, const Conventions& reader) {
    return QCoreApplication::translate("core::Report", "Momente B(%1;%2)")
        .arg(QString::number(fit.n), fixedText(fit.p, 6, 4, reader));
}

QStringList wholeModelLines(const WholeComparison& c, const RowTally& tally,
                            const Conventions& reader) {
    const WholeModelShares& m = c.models;
    const auto share = [&](double value) {
        return fixedText(value, 8, 6, reader).rightJustified(11);
    };
    const int width = countWidth(m.last);
    QStringList lines{
        QCoreApplication::translate("core::Report",
                                    "Vergleich mit Zufallsmodellen über alle Zeilen:"),
        QStringLiteral("k").rightJustified(width) +
            QStringLiteral("       h(k)  B(n;p)(k)       C(k)       P(k)       M(k)")};
    // A dash where a column has no value, as the moments without a fit over all rows.
    const auto cell = [&](const std::vector<double>& values, std::size_t at) {
        return at < values.size() ? share(values[at]) : QStringLiteral("–").rightJustified(11);
    };
    const auto rows = static_cast<long double>(tally.totalRows());
    for (std::uint64_t k = m.first; k <= m.last; ++k) {
        const std::size_t at = k - m.first;
        lines.append(QString::number(k).rightJustified(width) +
                     share(static_cast<double>(tally.rowsWith(k) / rows)) + cell(c.moments, at) +
                     cell(m.cramer, at) + cell(m.poisson, at) + cell(m.montgomery, at));
    }
    lines.append(
        QCoreApplication::translate("core::Report", "außerhalb").leftJustified(width + 11) +
        (c.moments.empty() ? cell(c.moments, 0) : share(c.outsideMoments)) +
        share(m.outsideCramer) + share(m.outsidePoisson) + share(m.outsideMontgomery));
    const auto tv = [&](double value) { return fixedText(value, 4, 3, reader); };
    const auto variance = [&](double value) { return fixedText(value, 8, 4, reader); };
    if (c.tvMoments && c.observed.fit) {
        lines << QCoreApplication::translate("core::Report", "TV %1 über alle Zeilen: %2")
                     .arg(wholeFitText(*c.observed.fit, reader), tv(*c.tvMoments));
    }
    lines << label(QT_TRANSLATE_NOOP("core::Report", "TV Cramér-Modell über alle Zeilen:")) +
                 tv(c.tvCramer)
          << label(QT_TRANSLATE_NOOP("core::Report", "TV Poisson (Gallagher) über alle Zeilen:")) +
                 tv(c.tvPoisson)
          << label(QT_TRANSLATE_NOOP("core::Report",
                                     "TV Montgomery–Soundararajan über alle Zeilen:")) +
                 tv(c.tvMontgomery)
          << label(QT_TRANSLATE_NOOP("core::Report", "Varianz Cramér-Modell über alle Zeilen:")) +
                 variance(m.varianceCramer)
          << label(QT_TRANSLATE_NOOP("core::Report",
                                     "Varianz Poisson (Gallagher) über alle Zeilen:")) +
                 variance(m.variancePoisson)
          << label(QT_TRANSLATE_NOOP("core::Report",
                                     "Varianz Montgomery–Soundararajan über alle Zeilen:")) +
                 variance(m.varianceMontgomery)
          << label(QT_TRANSLATE_NOOP("core::Report", "Varianz beobachtet / Cramér-Modell:")) +
                 variance(c.ratioCramer)
          << label(QT_TRANSLATE_NOOP("core::Report", "Varianz beobachtet / Poisson (Gallagher):")) +
                 variance(c.ratioPoisson)
          << label(QT_TRANSLATE_NOOP("core::Report",
                                     "Varianz beobachtet / Montgomery–Soundararajan:")) +
                 variance(c.ratioMontgomery);
    return lines;
}

}  // namespace

QStringList distributionLines(const RowTally& tally, const Conventions& reader) {
    const std::uint64_t first = tally.lowestCount();
    const std::uint64_t last = tally.highestCount();
    const int width = countWidth(last);
    const auto total = static_cast<long double>(tally.totalRows());
    QStringList lines{
        QStringLiteral(" "),
        QCoreApplication::translate("core::Report",
                                    "Alle Zeilen, Primz/Zeile: Anzahl, Anteil an allen Zeilen")};
    double sum = 0.0;
    for (std::uint64_t k = first; k <= last; ++k) {
        const std::uint64_t rows = tally.rowsWith(k);
        const double share = total > 0 ? static_cast<double>(rows / total) : 0.0;
        sum = static_cast<double>(static_cast<long double>(sum) + share);
        lines.append(QString::fromStdString(countLine(k, width, rows, share, reader)));
    }
    lines << QString() << QString::fromStdString(sumLine(tally.totalRows(), sum, reader));
    return lines;
}

QStringList wholeRowLines(const WholeRows& whole, const RowTally& tally,
                          const Conventions& reader) {
    const RowStatistics& s = whole.statistics;
    const auto fixed = [&](double value) { return fixedText(value, 8, 4, reader); };
    QStringList lines{
        QString(),
        QCoreApplication::translate("core::Report", "Über alle Zeilen:"),
        label(QT_TRANSLATE_NOOP("core::Report", "Zeilen:")) + QString::number(s.rows),
        label(QT_TRANSLATE_NOOP("core::Report", "Mittelwert der Primzahlen je Zeile:")) +
            fixed(s.mean),
        label(QT_TRANSLATE_NOOP("core::Report", "Varianz:")) + fixed(s.variance),
        label(QT_TRANSLATE_NOOP("core::Report", "Standardabweichung:")) + fixed(s.deviation)};
    if (whole.fit) {
        lines << (s.fit ? label(QT_TRANSLATE_NOOP("core::Report", "Anpassung über alle Zeilen:")) +
                              wholeFitText(*s.fit, reader)
                        : QCoreApplication::translate(
                              "core::Report",
                              "Anpassung über alle Zeilen: keine Binomialverteilung "
                              "hat diesen Mittelwert und diese Varianz."));
    }
    if (whole.models) {
        lines << wholeModelLines(*whole.models, tally, reader);
    }
    return lines;
}

QStringList summaryLines(const core::SummaryText& summary, const core::RowTally& tally) {
    QStringList lines;
    for (const std::string& line : summary.lines) {
        lines.append(QString::fromStdString(line));
    }
    lines.append(u' ' +
                 label(QT_TRANSLATE_NOOP("core::Report", "Zeilen mit mehr als 20 Primzahlen:")) +
                 QString::number(tally.over20));
    return lines;
}

QStringList fitLines(const FitReport& fit, const Conventions& reader) {
    const text::FitTexts texts = text::fitTexts(fit, reader);
    const auto shown = [](const std::string& value) { return QString::fromStdString(value); };
    return {QStringLiteral("n: ") + shown(texts.n),
            QStringLiteral("p: ") + shown(texts.p),
            label(QT_TRANSLATE_NOOP("core::Report", "Erwartungswert von h(x):")) +
                shown(texts.meanObserved),
            label(QT_TRANSLATE_NOOP("core::Report", "Erwartungswert von B(n;p):")) +
                shown(texts.meanBinomial),
            label(QT_TRANSLATE_NOOP("core::Report", "Standardabweichung von h(x):")) +
                shown(texts.deviationObserved),
            label(QT_TRANSLATE_NOOP("core::Report", "Standardabweichung von B(n;p):")) +
                shown(texts.deviationBinomial)};
}

QStringList modelLines(const core::ModelComparison& models, const Conventions& reader) {
    const auto share = [&](double value) {
        return fixedText(value, 8, 6, reader).rightJustified(11);
    };
    QStringList lines{QCoreApplication::translate("core::Report", "Vergleich mit Zufallsmodellen:"),
                      QStringLiteral("  k       h(k)  B(n;p)(k)       C(k)       P(k)       M(k)")};
    for (std::size_t k = 0; k < 21; ++k) {
        lines.append(QStringLiteral("%1").arg(k, 3) + share(models.observed[k]) +
                     share(models.moments[k]) + share(models.models.cramer[k]) +
                     share(models.models.poisson[k]) + share(models.models.montgomery[k]));
    }
    const auto tv = [&](double value) { return fixedText(value, 4, 3, reader); };
    const auto variance = [&](double value) { return fixedText(value, 8, 4, reader); };
    const QString moments =
        QCoreApplication::translate("core::Report", "Momente B(%1;%2)")
            .arg(QString::number(models.fit.n), fixedText(models.fit.p, 6, 4, reader));
    lines << label(QT_TRANSLATE_NOOP("core::Report",
                                     "vorhergesagtes n (Montgomery–Soundararajan):")) +
                 fixedText(models.models.predictedN, 6, 2, reader);
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

QStringList rowLengthLines(const std::vector<RowLengthResult>& results, const Conventions& reader) {
    const QString heading = QCoreApplication::translate(
        "core::Report",
        "Länge   Zeilen       n       p      n*  TV Momente  TV Cramér  TV Poisson  TV M–S");
    // The lengths stand under the heading's first word, as wide as it is in the reader's
    // language; the columns after it keep their widths.
    const int lengthWidth = std::max(5, static_cast<int>(heading.indexOf(u' ')));
    QStringList lines{heading};
    const auto tv = [&](double value) { return fixedText(value, 4, 3, reader); };
    for (const RowLengthResult& result : results) {
        QString line = QStringLiteral("%1").arg(result.length, lengthWidth) +
                       QStringLiteral("%1").arg(result.range ? result.range->rows() : 0, 9);
        if (!result.range) {
            line += QStringLiteral("  ") +
                    QCoreApplication::translate("core::Report", "keine ganze Zeile");
        } else if (!result.comparison) {
            line += QStringLiteral("  ") +
                    QCoreApplication::translate("core::Report", "keine Anpassung: %1")
                        .arg(result.failure
                                 ? QString::fromStdString(result.failure->text(reader.language))
                                 : QString());
        } else {
            const ModelComparison& c = *result.comparison;
            line += QString::number(c.fit.n).rightJustified(8) +
                    fixedText(c.fit.p, 6, 4, reader).rightJustified(8) +
                    fixedText(result.predictedN, 6, 2, reader).rightJustified(8) +
                    tv(c.tvMoments).rightJustified(12) + tv(c.tvCramer).rightJustified(11) +
                    tv(c.tvPoisson).rightJustified(12) + tv(c.tvMontgomery).rightJustified(8);
        }
        lines.append(line);
    }
    return lines;
}

}  // namespace core

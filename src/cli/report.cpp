#include "report.h"

#include <QRegularExpression>
#include <limits>

#include "shell/arithmetic.h"
#include "shell/conversions.h"

namespace cli {

namespace {

// value * factor, or none past 2^64-1.
std::optional<std::uint64_t> times(std::uint64_t value, std::uint64_t factor) {
    std::uint64_t product = 0;
    if (__builtin_mul_overflow(value, factor, &product)) {
        return std::nullopt;
    }
    return product;
}

std::optional<std::uint64_t> digits(const QString& text) {
    // Leading zeros add nothing, however many there are.
    qsizetype first = 0;
    while (first + 1 < text.size() && text[first] == u'0') {
        ++first;
    }
    if (text.isEmpty() || text.size() - first > 20) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const QChar c : QStringView(text).mid(first)) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        const auto next = times(value, 10);
        if (!next || *next > std::numeric_limits<std::uint64_t>::max() - (c.unicode() - u'0')) {
            return std::nullopt;
        }
        value = *next + (c.unicode() - u'0');
    }
    return value;
}

std::optional<std::uint64_t> power(std::uint64_t base, std::uint64_t exponent) {
    std::optional<std::uint64_t> result = 1;
    for (std::uint64_t i = 0; i < exponent && result; ++i) {
        result = times(*result, base);
        if (result && *result == 0) {
            return 0;  // 0^k
        }
        if (base == 1) {
            break;
        }
    }
    return result;
}

QString full(double value) {
    return QString::number(value, 'g', 17);
}

QString full(long double value) {
    return QString::number(static_cast<double>(value), 'g', 17);
}

}  // namespace

std::optional<std::uint64_t> ParseCount(const QString& text) {
    for (const QChar mark : {QChar(u'e'), QChar(u'E'), QChar(u'^')}) {
        const qsizetype at = text.indexOf(mark);
        if (at < 0) {
            continue;
        }
        const auto left = digits(text.left(at));
        const auto right = digits(text.mid(at + 1));
        if (!left || !right) {
            return std::nullopt;
        }
        if (mark == u'^') {
            return power(*left, *right);
        }
        if (*left == 0) {
            return 0;  // 0e25 is 0, however large its exponent
        }
        const auto scale = power(10, *right);
        return scale ? times(*left, *scale) : std::nullopt;
    }
    return digits(text);
}

Fit FitTally(const analysis::FrequencySummary& summary) {
    Fit fit;
    fit.binomial = distribution::FitBinomial(summary.shares);
    fit.meanH = distribution::Erwartungswert(summary.shares);
    fit.deviationH = distribution::Standardabweichung(summary.shares);
    fit.meanB = static_cast<long double>(fit.binomial.n) * fit.binomial.p;
    fit.deviationB = shell::SquareRoot(fit.meanB * (1.0L - fit.binomial.p));
    return fit;
}

QStringList SummaryLines(const analysis::FrequencySummary& summary,
                         const analysis::WideTally& tally) {
    QStringList lines = summary.lines;
    lines.append(QStringLiteral(" Zeilen mit mehr als 20 Primzahlen: ") +
                 QString::number(tally.over20));
    return lines;
}

QStringList FitLines(const Fit& fit) {
    using shell::ffFixed;
    using shell::FloatToStrF;
    return {QStringLiteral("n: ") + shell::IntToStr(fit.binomial.n),
            QStringLiteral("p: ") + FloatToStrF(fit.binomial.p, ffFixed, 6, 4),
            QStringLiteral("Erwartungswert von h(x): ") + FloatToStrF(fit.meanH, ffFixed, 6, 4),
            QStringLiteral("Erwartungswert von B(n;p): ") +
                FloatToStrF(static_cast<double>(fit.meanB), ffFixed, 6, 4),
            QStringLiteral("Standardabweichung von h(x): ") +
                FloatToStrF(fit.deviationH, ffFixed, 6, 4),
            QStringLiteral("Standardabweichung von B(n;p): ") +
                FloatToStrF(fit.deviationB, ffFixed, 6, 4)};
}

distribution::ModelComparison CompareWithModels(const analysis::WideRange& range,
                                                const analysis::FrequencySummary& summary) {
    const distribution::ModelRows rows{static_cast<long double>(range.first), range.length,
                                       range.rows()};
    return distribution::CompareModels(distribution::ComputeModels(rows), summary.shares);
}

QStringList ModelLines(const distribution::ModelComparison& models) {
    using shell::ffFixed;
    using shell::FloatToStrF;
    const auto share = [](double value) {
        return FloatToStrF(value, ffFixed, 8, 6).rightJustified(11);
    };
    QStringList lines{QStringLiteral("Vergleich mit Zufallsmodellen:"),
                      QStringLiteral("  k       h(k)  B(n;p)(k)       C(k)       P(k)")};
    for (std::size_t k = 0; k < 21; ++k) {
        lines.append(QStringLiteral("%1").arg(k, 3) + share(models.observed[k]) +
                     share(models.moments[k]) + share(models.models.cramer[k]) +
                     share(models.models.poisson[k]));
    }
    const auto tv = [](double value) { return FloatToStrF(value, ffFixed, 4, 3); };
    const auto variance = [](double value) { return FloatToStrF(value, ffFixed, 8, 4); };
    const QString moments =
        QStringLiteral("Momente B(%1;%2)")
            .arg(shell::IntToStr(models.fit.n), FloatToStrF(models.fit.p, ffFixed, 6, 4));
    lines << QStringLiteral("TV %1: %2").arg(moments, tv(models.tvMoments))
          << QStringLiteral("TV Cramér-Modell: ") + tv(models.tvCramer)
          << QStringLiteral("TV Poisson (Gallagher): ") + tv(models.tvPoisson)
          << QStringLiteral("Varianz beobachtet: ") + variance(models.varianceObserved)
          << QStringLiteral("Varianz %1: %2").arg(moments, variance(models.varianceMoments))
          << QStringLiteral("Varianz Cramér-Modell: ") + variance(models.models.varianceCramer)
          << QStringLiteral("Varianz Poisson (Gallagher): ") +
                 variance(models.models.variancePoisson);
    return lines;
}

QString CsvReport(const analysis::FrequencySummary& summary, const analysis::WideTally& tally,
                  const std::optional<Fit>& fit,
                  const std::optional<distribution::ModelComparison>& models) {
    QString csv =
        fit ? QStringLiteral("k,zeilen,anteil,binomial") : QStringLiteral("k,zeilen,anteil");
    csv += models ? QStringLiteral(",cramer,poisson\n") : QStringLiteral("\n");
    for (std::size_t k = 0; k < tally.rows.size(); ++k) {
        csv += QStringLiteral("%1,%2,%3").arg(k).arg(tally.rows[k]).arg(full(summary.shares[k]));
        if (fit) {
            csv += u',' + full(distribution::Binomialwert(
                              fit->binomial.n, static_cast<std::int32_t>(k), fit->binomial.p));
        }
        if (models) {
            csv += u',' + full(models->models.cramer[k]) + u',' + full(models->models.poisson[k]);
        }
        csv += u'\n';
    }
    csv +=
        QStringLiteral(">20,%1,%2%3\n")
            .arg(tally.over20)
            .arg(fit ? QStringLiteral(",") : QString(), models ? QStringLiteral(",,") : QString());
    if (fit) {
        csv += QStringLiteral(
                   "\ngroesse,wert\nn,%1\np,%2\nerwartungswert_h,%3\nerwartungswert_b,%4\n"
                   "standardabweichung_h,%5\nstandardabweichung_b,%6\n")
                   .arg(fit->binomial.n)
                   .arg(full(fit->binomial.p), full(fit->meanH), full(fit->meanB),
                        full(fit->deviationH), full(fit->deviationB));
    }
    if (models) {
        csv += QStringLiteral(
                   "tv_momente,%1\ntv_cramer,%2\ntv_poisson,%3\nvarianz_beobachtet,%4\n"
                   "varianz_momente,%5\nvarianz_cramer,%6\nvarianz_poisson,%7\n")
                   .arg(full(models->tvMoments), full(models->tvCramer), full(models->tvPoisson),
                        full(models->varianceObserved), full(models->varianceMoments),
                        full(models->models.varianceCramer), full(models->models.variancePoisson));
    }
    return csv;
}

QString JsonReport(const analysis::WideRange& range, const analysis::FrequencySummary& summary,
                   const analysis::WideTally& tally, const std::optional<Fit>& fit,
                   const std::optional<distribution::ModelComparison>& models) {
    QString json = QStringLiteral(
                       "{\n  \"von\": %1,\n  \"bis\": %2,\n  \"laenge\": %3,\n"
                       "  \"zeilen\": %4,\n  \"primzahlen\": %5,\n  \"haeufigkeit\": [\n")
                       .arg(range.first)
                       .arg(range.last)
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
                    .arg(full(fit->binomial.p), full(fit->meanH), full(fit->meanB),
                         full(fit->deviationH), full(fit->deviationB));
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
    }
    json += QStringLiteral("\n}\n");
    return json;
}

}  // namespace cli

#include <utility>

#include "cli/json_text.h"
#include "cli/report.h"
#include "engine/texts/number_text.h"

// The report as JSON: the same keys and values in every language.
namespace core {

namespace {

// The first 21 shares of a model, k = 0..20.
Json sharesJson(const auto& values) {
    Json shares = Json::array();
    for (std::size_t k = 0; k < 21; ++k) {
        shares.push_back(static_cast<double>(values[k]));
    }
    return shares;
}

Json modelsJson(const core::ModelComparison& models) {
    const ModelShares& shares = models.models;
    // The Montgomery-Soundararajan model after the others, so their keys keep their places.
    return {{"binomial", sharesJson(models.moments)},
            {"cramer", sharesJson(shares.cramer)},
            {"poisson", sharesJson(shares.poisson)},
            {"tv",
             {{"momente", models.tvMoments},
              {"cramer", models.tvCramer},
              {"poisson", models.tvPoisson}}},
            {"varianz",
             {{"beobachtet", models.varianceObserved},
              {"momente", models.varianceMoments},
              {"cramer", shares.varianceCramer},
              {"poisson", shares.variancePoisson}}},
            {"montgomery", sharesJson(shares.montgomery)},
            {"tv_montgomery", models.tvMontgomery},
            {"varianz_montgomery", shares.varianceMontgomery},
            {"n_vorhergesagt", shares.predictedN},
            {"zeilen_cramer_statt_montgomery", shares.montgomeryFallbackRows}};
}

// The counts of primes that rows hold, each with its rows, lowest first: the whole distribution
// as exact integers. Counts that no row holds are left out, which keeps a part of a run with
// rows of millions of numbers small.
Json distributionJson(const RowTally& tally) {
    Json list = Json::array();
    const std::uint64_t last = tally.highestCount();
    for (std::uint64_t k = tally.lowestCount(); k <= last; ++k) {
        if (const std::uint64_t rows = tally.rowsWith(k); rows > 0) {
            list.push_back({{"k", k}, {"zeilen", rows}});
        }
    }
    return list;
}

Json wholeModelsJson(const WholeComparison& c) {
    const WholeModelShares& m = c.models;
    const auto shares = [](const std::vector<double>& values) {
        return values.empty() ? Json(nullptr) : Json(values);
    };
    return {{"k_erste", m.first},
            {"k_letzte", m.last},
            {"binomial", shares(c.moments)},
            {"cramer", m.cramer},
            {"poisson", m.poisson},
            {"montgomery", m.montgomery},
            {"ausserhalb",
             {{"momente", c.moments.empty() ? Json(nullptr) : Json(c.outsideMoments)},
              {"cramer", m.outsideCramer},
              {"poisson", m.outsidePoisson},
              {"montgomery", m.outsideMontgomery}}},
            {"tv",
             {{"momente", c.tvMoments ? Json(*c.tvMoments) : Json(nullptr)},
              {"cramer", c.tvCramer},
              {"poisson", c.tvPoisson},
              {"montgomery", c.tvMontgomery}}},
            {"varianz",
             {{"beobachtet", c.observed.variance},
              {"cramer", m.varianceCramer},
              {"poisson", m.variancePoisson},
              {"montgomery", m.varianceMontgomery}}},
            {"verhaeltnis",
             {{"cramer", c.ratioCramer},
              {"poisson", c.ratioPoisson},
              {"montgomery", c.ratioMontgomery}}},
            {"n_vorhergesagt", m.predictedN},
            {"zeilen_cramer_statt_montgomery", m.montgomeryFallbackRows}};
}

Json wholeStatisticsJson(const WholeRows& whole) {
    const RowStatistics& s = whole.statistics;
    Json statistics{{"zeilen", s.rows},
                    {"mittelwert", s.mean},
                    {"varianz", s.variance},
                    {"standardabweichung", s.deviation}};
    if (whole.fit) {
        statistics["anpassung"] = s.fit ? Json{{"n", s.fit->n}, {"p", s.fit->p}} : Json(nullptr);
    }
    return statistics;
}

// The widths of a column of counts k: three as in the frequency block, more where k needs it.

}  // namespace

Json reportJson(const core::RowRange& range, const core::SummaryText& summary,
                const core::RowTally& tally, const std::optional<FitReport>& fit,
                const std::optional<core::ModelComparison>& models,
                const std::optional<WholeRows>& whole) {
    Json report{{"von", jsonNumber(range.first)},
                {"bis", jsonNumber(range.last)},
                {"laenge", range.length},
                {"zeilen", range.rows()},
                {"primzahlen", tally.primes}};
    Json& frequencies = report["haeufigkeit"] = Json::array();
    for (std::size_t k = 0; k < tally.rows.size(); ++k) {
        frequencies.push_back({{"k", k}, {"zeilen", tally.rows[k]}, {"anteil", summary.shares[k]}});
    }
    report["mehr_als_20"] = tally.over20;
    if (fit) {
        report["anpassung"] = {
            {"n", fit->binomial.n},
            {"p", fit->binomial.p},
            {"erwartungswert_h", fit->meanObserved},
            {"erwartungswert_b", static_cast<double>(fit->meanBinomial)},
            {"standardabweichung_h", fit->deviationObserved},
            {"standardabweichung_b", static_cast<double>(fit->deviationBinomial)}};
    }
    if (models) {
        report["modelle"] = modelsJson(*models);
    }
    if (tally.over20 > 0) {
        report["verteilung"] = distributionJson(tally);
    }
    if (whole) {
        report["alle_zeilen"] = wholeStatisticsJson(*whole);
        if (whole->models) {
            report["modelle_alle_zeilen"] = wholeModelsJson(*whole->models);
        }
    }
    return report;
}

QString rowJson(const RowRange& range, std::uint64_t row, std::uint32_t count,
                const std::vector<std::uint32_t>& offsets) {
    // One object for every row of a listing, which may have millions: its keys are made once.
    thread_local Json element{{"erste_zahl", 0}, {"markierung", ""}, {"primzahlen", 0}};
    element["erste_zahl"] = jsonNumber(range.rowStart(row));
    element["markierung"] = text::rowMarks(range, offsets);
    element["primzahlen"] = count;
    return jsonListElement(element);
}

QString rowLengthJson(Number from, Number to, const std::vector<RowLengthResult>& results) {
    Json lengths = Json::array();
    for (const RowLengthResult& result : results) {
        Json entry{{"laenge", result.length},
                   {"zeilen", result.range ? result.range->rows() : 0},
                   {"n_vorhergesagt", result.predictedN}};
        if (result.comparison) {
            const ModelComparison& c = *result.comparison;
            entry["n"] = c.fit.n;
            entry["p"] = c.fit.p;
            entry["tv"] = {{"momente", c.tvMoments},
                           {"cramer", c.tvCramer},
                           {"poisson", c.tvPoisson},
                           {"montgomery", c.tvMontgomery}};
        } else {
            entry["n"] = nullptr;
            entry["p"] = nullptr;
            entry["tv"] = nullptr;
        }
        lengths.push_back(std::move(entry));
    }
    return jsonText({{"von", jsonNumber(from)}, {"bis", jsonNumber(to)}, {"laengen", lengths}});
}

}  // namespace core

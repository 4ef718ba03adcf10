#include "model_text.h"

#include "engine/texts/number_text.h"

namespace core {

namespace {

// Distances with three decimals.
std::string tv(double value) {
    return text::formatFixed(value, 4, 3);
}

}  // namespace

std::string fillIn(const std::string& pattern, const std::vector<std::string>& arguments) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
            pattern[i + 1] <= '9' &&
            static_cast<std::size_t>(pattern[i + 1] - '1') < arguments.size()) {
            text += arguments[static_cast<std::size_t>(pattern[i + 1] - '1')];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::array<std::string, 6> modelLegend(const ModelComparison& comparison,
                                       const LegendWords& words) {
    return {words.observed,
            fillIn(words.moments,
                   {text::formatInteger(comparison.fit.n),
                    text::formatFixed(comparison.fit.p, 6, 4), tv(comparison.tvMoments)}),
            fillIn(words.cramer, {tv(comparison.tvCramer)}),
            fillIn(words.poisson, {tv(comparison.tvPoisson)}),
            fillIn(words.montgomery, {tv(comparison.tvMontgomery)}),
            words.meaning};
}

std::vector<std::string> rowLengthCells(const RowLengthResult& result) {
    std::vector<std::string> cells{
        text::formatInteger(result.length),
        text::formatInteger(static_cast<std::int64_t>(result.range ? result.range->rows() : 0)),
        std::string(), std::string(), text::formatFixed(result.predictedN, 6, 2)};
    if (result.comparison) {
        const ModelComparison& c = *result.comparison;
        cells[2] = text::formatInteger(c.fit.n);
        cells[3] = text::formatFixed(c.fit.p, 6, 4);
        for (const double distance : {c.tvMoments, c.tvCramer, c.tvPoisson, c.tvMontgomery}) {
            cells.push_back(tv(distance));
        }
    }
    return cells;
}

}  // namespace core

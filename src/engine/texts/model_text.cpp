#include "model_text.h"

#include "engine/texts/number_text.h"

namespace core {

namespace {

// Distances with three decimals.
std::string tv(double value, const Conventions& reader) {
    return text::formatFixed(value, 4, 3, reader);
}

std::string legendText(const Conventions& reader, const char* german) {
    return translate(reader.language, "core::Legend", german);
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
                                       const Conventions& reader) {
    const auto line = [&](const char* german, const std::vector<std::string>& numbers) {
        return fillIn(legendText(reader, german), numbers);
    };
    return {
        legendText(reader, QT_TRANSLATE_NOOP("core::Legend", "h(x): beobachtete Häufigkeiten")),
        line(QT_TRANSLATE_NOOP("core::Legend", "Momente B(%1;%2): TV %3"),
             {text::formatInteger(comparison.fit.n),
              text::formatFixed(comparison.fit.p, 6, 4, reader), tv(comparison.tvMoments, reader)}),
        line(QT_TRANSLATE_NOOP("core::Legend", "Cramér-Modell: TV %1"),
             {tv(comparison.tvCramer, reader)}),
        line(QT_TRANSLATE_NOOP("core::Legend", "Poisson (Gallagher): TV %1"),
             {tv(comparison.tvPoisson, reader)}),
        line(QT_TRANSLATE_NOOP("core::Legend", "Montgomery–Soundararajan: TV %1"),
             {tv(comparison.tvMontgomery, reader)}),
        legendText(reader,
                   QT_TRANSLATE_NOOP("core::Legend", "TV: Anteil der Zeilen, die anders liegen"))};
}

std::vector<std::string> rowLengthCells(const RowLengthResult& result, const Conventions& reader) {
    std::vector<std::string> cells{
        text::formatInteger(result.length),
        text::formatInteger(static_cast<std::int64_t>(result.range ? result.range->rows() : 0)),
        std::string(), std::string(), text::formatFixed(result.predictedN, 6, 2, reader)};
    if (result.comparison) {
        const ModelComparison& c = *result.comparison;
        cells[2] = text::formatInteger(c.fit.n);
        cells[3] = text::formatFixed(c.fit.p, 6, 4, reader);
        for (const double distance : {c.tvMoments, c.tvCramer, c.tvPoisson, c.tvMontgomery}) {
            cells.push_back(tv(distance, reader));
        }
    }
    return cells;
}

}  // namespace core

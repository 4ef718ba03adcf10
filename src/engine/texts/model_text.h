#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/rows/row_lengths.h"
#include "engine/statistics/models.h"

namespace core {

// The lines of the chart's model legend; "%1".."%3" stand for the numbers. The desktop passes
// them through its translation.
struct LegendWords {
    std::string observed = "h(x): beobachtete Häufigkeiten";
    std::string moments = "Momente B(%1;%2): TV %3";
    std::string cramer = "Cramér-Modell: TV %1";
    std::string poisson = "Poisson (Gallagher): TV %1";
    std::string montgomery = "Montgomery–Soundararajan: TV %1";
    std::string meaning = "TV: Anteil der Zeilen, die anders liegen";
};

// The six legend lines of a comparison, in UTF-8, as the chart draws them.
[[nodiscard]] std::array<std::string, 6> modelLegend(const ModelComparison& comparison,
                                                     const LegendWords& words = {});

// The cells of one row of the table "Zeilenlängen im Vergleich": length, rows, n, p, n*, and
// where the fit stands the four distances; n and p empty where it does not.
[[nodiscard]] std::vector<std::string> rowLengthCells(const RowLengthResult& result);

// "%1".."%9" of the pattern replaced by the arguments, each once, in one pass.
[[nodiscard]] std::string fillIn(const std::string& pattern,
                                 const std::vector<std::string>& arguments);

}  // namespace core

#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/rows/row_lengths.h"
#include "engine/statistics/models.h"
#include "engine/texts/language.h"

namespace core {

// The six legend lines of a comparison, in UTF-8, as the chart draws them: what the sticks are,
// each model with its distance, and what the distance means, in the reader's language.
[[nodiscard]] std::array<std::string, 6> modelLegend(const ModelComparison& comparison,
                                                     const Conventions& reader);

// The cells of one row of the table of row lengths compared: length, rows, n, p, n*, and where
// the fit stands the four distances; n and p empty where it does not.
[[nodiscard]] std::vector<std::string> rowLengthCells(const RowLengthResult& result,
                                                      const Conventions& reader);

// "%1".."%9" of the pattern replaced by the arguments, each once, in one pass.
[[nodiscard]] std::string fillIn(const std::string& pattern,
                                 const std::vector<std::string>& arguments);

}  // namespace core

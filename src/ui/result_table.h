#pragma once

#include <array>
#include <cstdint>

#include "engine/statistics/binomial_fit.h"
#include "ui/grid_cells.h"
#include "ui/shared_state.h"
#include "ui/text_field.h"

namespace ui {

// The graph window's controls that the result table fills.
struct TableControls {
    StringGrid& table;                 // 20 columns by 3 rows
    std::array<TextField*, 9> fields;  // n, p, the four moments, row length, lower, upper
};

// Fits B(n;p) to h and writes the table's headings, n and p, the 57 cells of x, h(x) and
// B(n;p;x) for x = 0..18, the moments of both, and the row length and range of the scan that h
// comes from. A failure of the fit
// or of Binomialwert ends it there; what was written before stays.
void fillResultTable(const TableControls& controls, const core::Frequencies& h,
                     const ScannedRange& scanned);

}  // namespace ui

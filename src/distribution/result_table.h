#pragma once

#include <array>
#include <cstdint>

#include "distribution/binomial_fit.h"
#include "shell/shared_state.h"
#include "shell/string_grid.h"
#include "shell/text_field.h"

namespace distribution {

// The graph window's controls that the result table fills.
struct TableControls {
    shell::StringGrid& Tab;                 // 20 columns by 3 rows
    std::array<shell::TextField*, 9> Edit;  // Edit1 (n) .. Edit9 (upper bound)
};

// Fits B(n;p) to h and writes the table's headings, n and p, the 57 cells of x, h(x) and
// B(n;p;x) for x = 0..18, the moments of both, and the row length and range of the scan that h
// comes from. A failure of the fit
// or of Binomialwert ends it there; what was written before stays.
void FuelleTabelle(const TableControls& controls, const Frequencies& h,
                   const shell::ScannedRange& scanned);

}  // namespace distribution

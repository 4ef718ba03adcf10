#pragma once

#include <vector>

#include "engine/rows/row_lengths.h"
#include "graphics/canvas.h"

namespace graphics {

// The fitted n over the row length L: a point for each length with a fit, the curve of
// n* = L / (ln L + 1.415) that the Montgomery-Soundararajan model predicts, and the line n = L of
// independent numbers, with axes, their labels and a legend.
void drawRowLengthChart(Picture& picture, const std::vector<core::RowLengthResult>& results);

}  // namespace graphics

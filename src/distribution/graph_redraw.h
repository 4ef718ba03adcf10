#pragma once

#include <array>

#include "distribution/chart.h"
#include "distribution/result_table.h"
#include "shell/shared_state.h"
#include "shell/string_grid.h"

namespace distribution {

// The graph window's controls that fitting and drawing use.
struct GraphControls {
    shell::StringGrid& Tab;
    std::array<shell::TextField*, 9> Edit;  // Edit1 (n) .. Edit9
    shell::Picture& Bild;
    const shell::ColorChoice& Farbwahl;
};

// Clear, fit and table, axes, sticks, bars: the full redraw of the graph. A failure ends it
// where it occurs; what was drawn and written before stays.
void FullRedraw(const GraphControls& graph, ChartState& chart, const shell::SharedState& state);

}  // namespace distribution

#pragma once

#include <array>

#include "graphics/chart.h"
#include "ui/grid_cells.h"
#include "ui/result_table.h"
#include "ui/shared_state.h"

namespace ui {

// The graph window's controls that fitting and drawing use.
struct GraphControls {
    ui::StringGrid& table;
    std::array<ui::TextField*, 9> fields;  // n, p, the four moments, row length, lower, upper
    graphics::Picture& picture;
    const ui::ColorChoice& colorChoice;
};

// Clear, fit and table, axes, sticks, bars: the full redraw of the graph. A failure ends it
// where it occurs; what was drawn and written before stays.
void redrawGraph(const GraphControls& graph, graphics::ChartState& chart,
                 const ui::SharedState& state);

}  // namespace ui

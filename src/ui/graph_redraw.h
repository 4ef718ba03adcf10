#pragma once

#include <array>

#include "graphics/chart.h"
#include "ui/result_table.h"
#include "ui/shared_state.h"
#include "ui/grid_cells.h"

namespace ui {

// The graph window's controls that fitting and drawing use.
struct GraphControls {
    ui::StringGrid& Tab;
    std::array<ui::TextField*, 9> Edit;  // Edit1 (n) .. Edit9
    graphics::Picture& Bild;
    const ui::ColorChoice& Farbwahl;
};

// Clear, fit and table, axes, sticks, bars: the full redraw of the graph. A failure ends it
// where it occurs; what was drawn and written before stays.
void FullRedraw(const GraphControls& graph, graphics::ChartState& chart, const ui::SharedState& state);

}  // namespace ui

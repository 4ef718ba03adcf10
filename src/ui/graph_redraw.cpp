#include "graph_redraw.h"

namespace ui {

void redrawGraph(const GraphControls& graph, graphics::ChartState& chart,
                 const ui::SharedState& state) {
    clearPicture(graph.picture);
    fillResultTable({graph.table, graph.fields}, state.shares, state.lastScan);
    drawAxes(graph.picture, chart);
    drawStickChart(graph.picture, chart, graph.colorChoice.ForegroundIndex(), state.shares);
    drawHistogram(graph.picture, chart, graph.colorChoice.ForegroundIndex(), graph.fields[0]->Text(),
                  graph.fields[1]->Text());
}

}  // namespace ui

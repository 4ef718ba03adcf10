#include "graph_redraw.h"

namespace ui {

void redrawGraph(const GraphControls& graph, graphics::ChartState& chart,
                 const ui::SharedState& state) {
    clearPicture(graph.picture);
    fillResultTable({graph.table, graph.fields}, state.shares, state.lastScan);
    drawAxes(graph.picture, chart);
    drawStickChart(graph.picture, chart, graph.colorChoice.foregroundIndex(), state.shares);
    drawHistogram(graph.picture, chart, graph.colorChoice.foregroundIndex(),
                  graph.fields[0]->fieldText(), graph.fields[1]->fieldText());
}

}  // namespace ui

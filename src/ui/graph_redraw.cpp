#include "graph_redraw.h"

namespace ui {

void FullRedraw(const GraphControls& graph, graphics::ChartState& chart, const ui::SharedState& state) {
    clearPicture(graph.Bild);
    FuelleTabelle({graph.Tab, graph.Edit}, state.RelHaeufigkeit, state.Gescannt);
    drawAxes(graph.Bild, chart);
    drawStickChart(graph.Bild, chart, graph.Farbwahl.ForegroundIndex(), state.RelHaeufigkeit);
    drawHistogram(graph.Bild, chart, graph.Farbwahl.ForegroundIndex(), graph.Edit[0]->Text(), graph.Edit[1]->Text());
}

}  // namespace ui

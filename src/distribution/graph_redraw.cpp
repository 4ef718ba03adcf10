#include "graph_redraw.h"

namespace distribution {

void FullRedraw(const GraphControls& graph, ChartState& chart, const shell::SharedState& state) {
    ClearPicture(graph.Bild);
    FuelleTabelle({graph.Tab, graph.Edit}, state.RelHaeufigkeit, state.Gescannt);
    ZeichneAchsen(graph.Bild, chart);
    ZeichneStabdiagramm(graph.Bild, chart, graph.Farbwahl.ForegroundIndex(), state.RelHaeufigkeit);
    ZeichneHistogramm(graph.Bild, chart, graph.Farbwahl.ForegroundIndex(), *graph.Edit[0],
                      *graph.Edit[1]);
}

}  // namespace distribution

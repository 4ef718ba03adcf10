#include "graph_redraw.h"

namespace distribution {

void FullRedraw(const GraphControls& graph, ChartState& chart, const shell::SharedState& state,
                const MainRange& range) {
    ClearPicture(graph.Bild);
    FuelleTabelle({graph.Tab, graph.Edit}, state.RelHaeufigkeit, state.ZahlenProZeile, range);
    ZeichneAchsen(graph.Bild, chart);
    ZeichneStabdiagramm(graph.Bild, chart, graph.Farbwahl.ForegroundIndex(), state.RelHaeufigkeit);
    ZeichneHistogramm(graph.Bild, chart, graph.Farbwahl.ForegroundIndex(), *graph.Edit[0],
                      *graph.Edit[1]);
}

PlainGraph::PlainGraph() {
    Edit[0].SetText(QStringLiteral("20"));
    Edit[1].SetText(QStringLiteral("0,32"));
    for (std::size_t i = 2; i < Edit.size(); ++i) {
        Edit[i].SetText(QStringLiteral("Edit%1").arg(i + 1));
    }
}

GraphControls PlainGraph::controls() {
    std::array<shell::TextField*, 9> edits{};
    for (std::size_t i = 0; i < Edit.size(); ++i) {
        edits[i] = &Edit[i];
    }
    return {Tab, edits, Bild, *this};
}

}  // namespace distribution

#include <QAction>

#include "core/models.h"
#include "graph_window.h"
#include "ui/picture_box.h"

namespace ui {

void GraphWindow::drawModels() {
    const ui::ScannedRange& scanned = m_state.Gescannt;
    const bool known = m_models && m_models->first.ZahlenProZeile == scanned.ZahlenProZeile &&
                       m_models->first.Von == scanned.Von && m_models->first.Bis == scanned.Bis;
    if (!known) {
        m_models.emplace(scanned, core::computeModels(core::modelRows(
                                      {scanned.Von, scanned.Bis,
                                       static_cast<std::uint32_t>(scanned.ZahlenProZeile)})));
    }
    graphics::drawModels(pictureBox->picture(), m_chart,
                         core::compareModels(m_models->second, m_state.RelHaeufigkeit));
}

void GraphWindow::showModels(bool shown) {
    m_showModels = shown;
    showModelsAction->setChecked(shown);
    // Redrawn from the last scan, with or without the models; before any scan nothing is drawn.
    if (m_state.Gescannt.ZahlenProZeile > 0 && pictureBox->picture().isDrawn()) {
        ui::RunHandler(m_report, [this] { redraw(); });
    }
}

}  // namespace ui

#include <QAction>

#include "engine/statistics/models.h"
#include "graph_window.h"
#include "ui/color_grid.h"
#include "ui/picture_box.h"

namespace ui {

void GraphWindow::drawModels() {
    const ui::ScannedRange& scanned = m_state.lastScan;
    const bool known = m_models && m_models->first.rowLength == scanned.rowLength &&
                       m_models->first.lower == scanned.lower &&
                       m_models->first.upper == scanned.upper;
    if (!known) {
        m_models.emplace(
            scanned,
            core::computeModels(core::modelRows(
                {scanned.lower, scanned.upper, static_cast<std::uint32_t>(scanned.rowLength)})));
    }
    graphics::drawModels(
        pictureBox->picture(), m_chart, colorChoice->foregroundColor(),
        core::compareModels(m_models->second, m_state.shares, m_state.beyondTwenty),
        m_state.conventions);
}

void GraphWindow::showModels(bool shown) {
    m_showModels = shown;
    showModelsAction->setChecked(shown);
    // Redrawn from the last scan, with or without the models; before any scan nothing is drawn.
    if (m_state.lastScan.rowLength > 0 && pictureBox->picture().isDrawn()) {
        ui::runHandler(m_report, [this] { redraw(); });
    }
}

}  // namespace ui

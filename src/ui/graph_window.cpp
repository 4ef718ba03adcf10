#include "graph_window.h"

#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QShortcut>

#include "ui/color_grid.h"
#include "ui/edit_field.h"
#include "ui/help_window.h"
#include "ui/picture_box.h"
#include "ui/text_grid.h"
#include "ui/window_layout.h"

namespace ui {

GraphWindow::GraphWindow(ui::SharedState& state, graphics::ChartState& chart,
                         ui::FailureReporter reporter, QWidget* parent)
    : QWidget(parent), m_state(state), m_chart(chart), m_report(std::move(reporter)) {
    setObjectName(QStringLiteral("Form2"));
    if (!m_report) {
        m_report = ui::messageBoxReporter(this);
    }
    buildControls();
    showResults();
    createActions();
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [this] { showHelp(*this); });
    // The n and p fields have no tab stop; these keys reach them.
    for (const auto& [key, field] : {std::pair{Qt::Key_N, n}, {Qt::Key_P, p}}) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | key), this);
        connect(shortcut, &QShortcut::activated, field,
                [field] { field->setFocus(Qt::ShortcutFocusReason); });
    }
}

void GraphWindow::fillTable() {
    // What was written before a failure is shown too.
    const auto show = qScopeGuard([this] { showResults(); });
    ui::fillResults(m_results, m_state.shares, m_state.lastScan, m_state.conventions);
}

void GraphWindow::showResults() {
    table->showRows(m_results.table);
    const ResultFields& fields = m_results.fields;
    n->setText(fields.n);
    p->setText(fields.p);
    observedMean->setText(fields.observedMean);
    binomialMean->setText(fields.binomialMean);
    observedDeviation->setText(fields.observedDeviation);
    binomialDeviation->setText(fields.binomialDeviation);
    scannedRowLength->setText(fields.scannedRowLength);
    scannedLower->setText(fields.scannedLower);
    scannedUpper->setText(fields.scannedUpper);
}

// Each drawing step asks for the picture to be shown before it draws, so whatever it drew
// appears at the next paint, also when it fails halfway.

void GraphWindow::drawAxes() {
    pictureBox->update();
    graphics::drawAxes(pictureBox->picture(), m_chart, m_state.conventions);
}

void GraphWindow::drawStickChart() {
    pictureBox->update();
    graphics::drawStickChart(pictureBox->picture(), m_chart, colorChoice->foregroundColor(),
                             m_state.shares);
}

void GraphWindow::drawHistogram() {
    // Before the first fit there is no B(n;p) to draw.
    if (!m_results.shownFit) {
        return;
    }
    pictureBox->update();
    graphics::drawHistogram(pictureBox->picture(), m_chart, colorChoice->foregroundColor(),
                            *m_results.shownFit);
}

void GraphWindow::showInFront() {
    show();
    raise();
    activateWindow();
}

void GraphWindow::clearPicture() {
    pictureBox->update();
    graphics::clearPicture(pictureBox->picture());
}

// A failure ends the redraw where it occurs; what was drawn and written before stays.
void GraphWindow::redraw() {
    clearPicture();
    fillTable();
    drawAxes();
    drawStickChart();
    drawHistogram();
    if (m_showModels) {
        drawModels();
    }
}

void GraphWindow::onClearClicked() {
    ui::runHandler(m_report, [this] {
        clearPicture();
        drawAxes();
    });
}

void GraphWindow::onSticksClicked() {
    ui::runHandler(m_report, [this] {
        showInFront();
        fillTable();
        drawStickChart();
    });
}

void GraphWindow::onHistogramClicked() {
    ui::runHandler(m_report, [this] {
        showInFront();
        fillTable();
        drawHistogram();
    });
}

void GraphWindow::onNKey(char16_t key) {
    if (key == u'\r') {
        ui::runHandler(m_report, [this] { redraw(); });
    }
}

void GraphWindow::onPKey(char16_t key) {
    if (key == u'\r') {
        ui::runHandler(m_report, [this] {
            repaint();
            redraw();
        });
    }
}

void GraphWindow::onCloseClicked() {
    close();
}

void GraphWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    frameFirstFocus(*this, *event, m_activated);
}

}  // namespace ui

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>

#include "core/save_file.h"
#include "core/table_text.h"
#include "graph_window.h"
#include "ui/actions.h"
#include "ui/edit_field.h"
#include "ui/picture_box.h"
#include "ui/picture_files.h"
#include "ui/row_length_window.h"
#include "ui/text_grid.h"

namespace ui {

void GraphWindow::createActions() {
    copyPictureAction = makeAction(pictureBox, tr("Bild &kopieren"), this,
                                   &GraphWindow::copyPicture, QKeySequence::Copy);
    savePictureAction = makeAction(pictureBox, tr("Bild &speichern unter …"), this,
                                   &GraphWindow::savePicture, QKeySequence::Save);
    printAction = makeAction(pictureBox, tr("&Drucken …"), this, &GraphWindow::printPicture,
                             QKeySequence::Print);
    for (QAction* action : {copyPictureAction, savePictureAction, printAction}) {
        action->setEnabled(pictureBox->picture().isDrawn());
    }
    auto* separator = new QAction(pictureBox);
    separator->setSeparator(true);
    pictureBox->addAction(separator);
    copyTableAction = makeAction(table, tr("Tabelle &kopieren"), this, &GraphWindow::copyTable);
    saveTableAction =
        makeAction(table, tr("Tabelle speichern unter …"), this, &GraphWindow::saveTable);
    copyResultsAction =
        makeAction(table, tr("&Ergebnisse kopieren"), this, &GraphWindow::copyResults);
    pictureBox->addAction(copyResultsAction);
    showModelsAction =
        makeAction(pictureBox, tr("&Modelle einblenden"), QKeySequence(Qt::ALT | Qt::Key_M));
    showModelsAction->setCheckable(true);
    connect(showModelsAction, &QAction::toggled, this, &GraphWindow::showModels);
    compareRowLengthsAction =
        makeAction(pictureBox, tr("&Zeilenlängen im Vergleich …"), this,
                   &GraphWindow::compareRowLengths, QKeySequence(Qt::ALT | Qt::Key_V));
    pictureBox->setContextMenuPolicy(Qt::ActionsContextMenu);
    table->setContextMenuPolicy(Qt::ActionsContextMenu);
    pictureBox->picture().onFirstUse([this] {
        for (QAction* action : {copyPictureAction, savePictureAction, printAction}) {
            action->setEnabled(true);
        }
    });
}

void GraphWindow::compareRowLengths() {
    // Nothing to compare before the first scan.
    if (m_state.lastScan.rowLength <= 0) {
        return;
    }
    if (m_rowLengths == nullptr) {
        m_rowLengths = new RowLengthWindow(m_state.conventions, m_report, this);
        m_rowLengths->setSaveDialog(m_askWhereToSave);
    }
    m_rowLengths->showRange(m_state.lastScan.lower, m_state.lastScan.upper);
}

void GraphWindow::copyTable() {
    QGuiApplication::clipboard()->setText(core::tableTsv(m_results.table));
}

void GraphWindow::saveTable() {
    saveThroughDialog(this, m_askWhereToSave,
                      {tr("Tabelle speichern unter"),
                       resultFileName(m_state.lastScan, QStringLiteral("csv")),
                       {{tr("CSV-Datei (*.csv)"), QStringLiteral("csv")}}},
                      tr("Die Tabelle"), m_report, [this](QIODevice& device, std::size_t) {
                          core::writeAll(device, core::tableCsv(m_results.table));
                      });
}

void GraphWindow::copyResults() {
    QGuiApplication::clipboard()->setText(core::resultsText(labelledResults()));
}

void GraphWindow::copyPicture() {
    copyChart(*this, pictureBox->picture());
}

void GraphWindow::savePicture() {
    if (pictureBox->picture().isDrawn()) {
        saveChartThroughDialog(this, m_askWhereToSave,
                               resultFileName(m_state.lastScan, QStringLiteral("png")),
                               pictureBox->picture().drawing(), chartTexts(), m_report);
    }
}

QString GraphWindow::writePicture(const PictureFile& file) const {
    if (!pictureBox->picture().isDrawn()) {
        return tr("Es ist noch kein Bild gezeichnet.");
    }
    const graphics::ChartTexts texts = chartTexts();
    return saveAs(tr("Das Bild"), file.path, [&](QIODevice& device) {
        graphics::writeChart(device, file.format, pictureBox->picture().drawing(), file.scale,
                             texts);
    });
}

void GraphWindow::printPicture() {
    if (pictureBox->picture().isDrawn()) {
        printChart(this, pictureBox->picture().drawing(), chartTexts());
    }
}

namespace {

// A field's label as the window shows it, without its colon.
QString caption(const QLabel* label) {
    QString text = label->text();
    if (text.endsWith(u':')) {
        text.chop(1);
    }
    return text;
}

}  // namespace

std::vector<std::pair<QString, QString>> GraphWindow::labelledResults() const {
    const ResultFields& fields = m_results.fields;
    return {{tr("n"), fields.n},
            {tr("p"), fields.p},
            {caption(observedMeanLabel), fields.observedMean},
            {caption(binomialMeanLabel), fields.binomialMean},
            {caption(observedDeviationLabel), fields.observedDeviation},
            {caption(binomialDeviationLabel), fields.binomialDeviation},
            {caption(scannedRowLengthLabel), fields.scannedRowLength},
            {caption(scannedLowerLabel), fields.scannedLower},
            {caption(scannedUpperLabel), fields.scannedUpper}};
}

graphics::ChartTexts GraphWindow::chartTexts() const {
    const ResultFields& fields = m_results.fields;
    using Field = std::pair<QString, QString>;
    // Side by side: n and p; the two means; the two deviations; the scanned rows.
    return {m_results.table,
            {{Field{tr("n"), fields.n}, Field{tr("p"), fields.p}},
             {Field{caption(observedMeanLabel), fields.observedMean},
              Field{caption(observedDeviationLabel), fields.observedDeviation}},
             {Field{caption(binomialMeanLabel), fields.binomialMean},
              Field{caption(binomialDeviationLabel), fields.binomialDeviation}},
             {Field{caption(scannedRowLengthLabel), fields.scannedRowLength},
              Field{caption(scannedLowerLabel), fields.scannedLower},
              Field{caption(scannedUpperLabel), fields.scannedUpper}}}};
}

}  // namespace ui

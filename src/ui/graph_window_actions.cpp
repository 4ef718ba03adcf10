#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>

#include "core/save_file.h"
#include "core/table_text.h"
#include "graph_window.h"
#include "ui/edit_field.h"
#include "ui/picture_box.h"
#include "ui/picture_files.h"
#include "ui/row_length_window.h"
#include "ui/text_grid.h"

namespace ui {

void GraphWindow::createActions() {
    const auto add = [this](QWidget* owner, const QString& text, void (GraphWindow::*slot)(),
                            QKeySequence::StandardKey key = QKeySequence::UnknownKey) {
        auto* action = new QAction(text, owner);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        owner->addAction(action);
        return action;
    };
    copyPictureAction =
        add(pictureBox, tr("Bild &kopieren"), &GraphWindow::copyPicture, QKeySequence::Copy);
    savePictureAction = add(pictureBox, tr("Bild &speichern unter …"), &GraphWindow::savePicture,
                            QKeySequence::Save);
    printAction =
        add(pictureBox, tr("&Drucken …"), &GraphWindow::printPicture, QKeySequence::Print);
    for (QAction* action : {copyPictureAction, savePictureAction, printAction}) {
        action->setEnabled(pictureBox->picture().isDrawn());
    }
    auto* separator = new QAction(pictureBox);
    separator->setSeparator(true);
    pictureBox->addAction(separator);
    copyTableAction = add(table, tr("Tabelle &kopieren"), &GraphWindow::copyTable);
    saveTableAction = add(table, tr("Tabelle speichern unter …"), &GraphWindow::saveTable);
    copyResultsAction = add(table, tr("&Ergebnisse kopieren"), &GraphWindow::copyResults);
    pictureBox->addAction(copyResultsAction);
    showModelsAction = new QAction(tr("&Modelle einblenden"), pictureBox);
    showModelsAction->setCheckable(true);
    showModelsAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_M));
    showModelsAction->setShortcutContext(Qt::WindowShortcut);
    connect(showModelsAction, &QAction::toggled, this, &GraphWindow::showModels);
    pictureBox->addAction(showModelsAction);
    compareRowLengthsAction = new QAction(tr("&Zeilenlängen im Vergleich …"), pictureBox);
    compareRowLengthsAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_V));
    compareRowLengthsAction->setShortcutContext(Qt::WindowShortcut);
    connect(compareRowLengthsAction, &QAction::triggered, this, &GraphWindow::compareRowLengths);
    pictureBox->addAction(compareRowLengthsAction);
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
        m_rowLengths = new RowLengthWindow(m_report, this);
        m_rowLengths->setSaveDialog(m_askWhereToSave);
    }
    m_rowLengths->showRange(m_state.lastScan.lower, m_state.lastScan.upper);
}

void GraphWindow::copyTable() {
    QGuiApplication::clipboard()->setText(core::tableTsv(chartTexts().table));
}

void GraphWindow::saveTable() {
    saveThroughDialog(this, m_askWhereToSave,
                      {tr("Tabelle speichern unter"),
                       resultFileName(m_state.lastScan, QStringLiteral("csv")),
                       {{tr("CSV-Datei (*.csv)"), QStringLiteral("csv")}}},
                      tr("Die Tabelle"), m_report, [this](QIODevice& device, std::size_t) {
                          core::writeAll(device, core::tableCsv(chartTexts().table));
                      });
}

void GraphWindow::copyResults() {
    QGuiApplication::clipboard()->setText(core::resultsText(resultFields()));
}

void GraphWindow::copyPicture() {
    if (!pictureBox->picture().isDrawn()) {
        return;
    }
    auto* data = new QMimeData;
    data->setImageData(pictureBox->picture().raster(devicePixelRatioF()));
    data->setData(QStringLiteral("image/svg+xml"),
                  graphics::chartSvg(pictureBox->picture().drawing()));
    QGuiApplication::clipboard()->setMimeData(data);
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

std::vector<std::pair<QString, QString>> GraphWindow::resultFields() const {
    const auto label = [](const QLabel* label) {
        QString text = label->text();
        if (text.endsWith(u':')) {
            text.chop(1);
        }
        return text;
    };
    return {{tr("n"), n->text()},
            {tr("p"), p->text()},
            {label(observedMeanLabel), observedMean->text()},
            {label(binomialMeanLabel), binomialMean->text()},
            {label(observedDeviationLabel), observedDeviation->text()},
            {label(binomialDeviationLabel), binomialDeviation->text()},
            {label(scannedRowLengthLabel), scannedRowLength->text()},
            {label(scannedLowerLabel), scannedLower->text()},
            {label(scannedUpperLabel), scannedUpper->text()}};
}

graphics::ChartTexts GraphWindow::chartTexts() const {
    graphics::ChartTexts texts;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            texts.table[static_cast<std::size_t>(row)].append(table->cell(column, row));
        }
    }
    // n and p; the two means; the two deviations; the scanned rows.
    const auto fields = resultFields();
    for (const auto& column : {std::vector{0, 1}, {2, 4}, {3, 5}, {6, 7, 8}}) {
        auto& placed = texts.fieldColumns.emplace_back();
        for (const int field : column) {
            placed.push_back(fields[static_cast<std::size_t>(field)]);
        }
    }
    return texts;
}

}  // namespace ui

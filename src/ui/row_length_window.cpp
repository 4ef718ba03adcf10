#include "row_length_window.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QProgressDialog>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>

#include "core/conversions.h"
#include "core/save_file.h"
#include "core/table_text.h"
#include "engine/texts/model_text.h"
#include "graphics/chart_export.h"
#include "graphics/row_length_chart.h"
#include "ui/actions.h"
#include "ui/picture_box.h"
#include "ui/picture_files.h"

namespace ui {

namespace {

constexpr std::uint32_t kShortest = 10;
constexpr std::uint32_t kLongest = 120;

// The table's columns. The saved CSV keeps these names in every language, as a file for other
// programs should; the window and the clipboard show them in the reader's language.
constexpr std::array<const char*, 9> kColumns{
    "L",      QT_TRANSLATE_NOOP("ui::RowLengthWindow", "Zeilen"),     "n",         "p",
    "n*",     QT_TRANSLATE_NOOP("ui::RowLengthWindow", "TV Momente"), "TV Cramér", "TV Poisson",
    "TV M–S",
};

}  // namespace

RowLengthWindow::RowLengthWindow(const core::Conventions& reader, FailureReporter reporter,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window), m_reader(reader), m_report(std::move(reporter)) {
    setObjectName(QStringLiteral("Zeilenlaengen"));
    setWindowTitle(tr("Zeilenlängen im Vergleich"));
    if (!m_report) {
        m_report = messageBoxReporter(this);
    }
    pictureBox = new PictureBox(640, 360, this);
    pictureBox->setFixedSize(640, 360);
    pictureBox->setObjectName(QStringLiteral("ZeilenlaengenBild"));
    pictureBox->setAccessibleName(tr("Angepasstes n über der Zeilenlänge"));
    table = new QTableWidget(0, static_cast<int>(kColumns.size()), this);
    table->setObjectName(QStringLiteral("ZeilenlaengenTabelle"));
    table->setAccessibleName(tr("Zeilenlängen, angepasstes n und Abstände"));
    QStringList headings;
    for (const char* column : kColumns) {
        headings.append(tr(column));
    }
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pictureBox);
    layout->addWidget(table, 1);

    // Ctrl+C copies what has the focus; saving and printing are the picture's, anywhere.
    copyPictureAction =
        makeAction(pictureBox, tr("Bild &kopieren"), this, &RowLengthWindow::copyPicture,
                   QKeySequence::Copy, Qt::WidgetWithChildrenShortcut);
    savePictureAction = makeAction(pictureBox, tr("Bild &speichern unter …"), this,
                                   &RowLengthWindow::savePicture, QKeySequence::Save);
    printAction = makeAction(pictureBox, tr("&Drucken …"), this, &RowLengthWindow::printPicture,
                             QKeySequence::Print);
    copyTableAction = makeAction(table, tr("Tabelle &kopieren"), this, &RowLengthWindow::copyTable,
                                 QKeySequence::Copy, Qt::WidgetWithChildrenShortcut);
    saveTableAction = makeAction(table, tr("Tabelle speichern unter …"), this,
                                 &RowLengthWindow::saveTable, {}, Qt::WidgetShortcut);
    pictureBox->setContextMenuPolicy(Qt::ActionsContextMenu);
    table->setContextMenuPolicy(Qt::ActionsContextMenu);
    pictureBox->setFocusPolicy(Qt::StrongFocus);
    resize(680, 640);
}

void RowLengthWindow::showRange(std::int64_t from, std::int64_t to) {
    m_from = from;
    m_to = to;
    runHandler(m_report, [&] {
        core::ScanControl control;
        // A bar where it takes longer than a moment; it lets the user stop, keeping the
        // lengths done so far.
        QProgressDialog progress(
            tr("Jede Zeilenlänge von %1 bis %2 wird berechnet …").arg(kShortest).arg(kLongest),
            tr("Abbrechen"), 0, static_cast<int>(kLongest - kShortest + 1), this);
        progress.setWindowTitle(windowTitle());
        progress.setWindowModality(Qt::ApplicationModal);
        progress.setMinimumDuration(200);
        progress.setValue(0);
        m_results =
            core::compareRowLengths(from, to, kShortest, kLongest, 1, control,
                                    core::ModelPrecision::Display, [&](std::uint32_t length) {
                                        progress.setValue(static_cast<int>(length - kShortest + 1));
                                        if (progress.wasCanceled()) {
                                            control.stop = true;
                                        }
                                    });
        graphics::drawRowLengthChart(pictureBox->picture(), m_results);
        pictureBox->update();
        table->setRowCount(static_cast<int>(m_results.size()));
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (const std::string& cell :
                 core::rowLengthCells(m_results[static_cast<std::size_t>(row)], m_reader)) {
                cells.append(QString::fromStdString(cell));
            }
            for (int column = 0; column < table->columnCount(); ++column) {
                auto* item =
                    new QTableWidgetItem(column < cells.size() ? cells[column] : QString());
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                table->setItem(row, column, item);
            }
        }
        table->resizeColumnsToContents();
    });
    show();
    raise();
    activateWindow();
}

void RowLengthWindow::copyPicture() {
    copyChart(*this, pictureBox->picture(), tr("Primzeilen: Zeilenlängen im Vergleich"));
}

void RowLengthWindow::savePicture() {
    if (pictureBox->picture().isDrawn()) {
        saveChartThroughDialog(this, m_askWhereToSave, fileName(QStringLiteral("png")),
                               pictureBox->picture().drawing(), {}, m_report);
    }
}

void RowLengthWindow::printPicture() {
    if (pictureBox->picture().isDrawn()) {
        printChart(this, pictureBox->picture().drawing(), {});
    }
}

std::vector<QStringList> RowLengthWindow::tableRows(Headings headings) const {
    std::vector<QStringList> rows(1);
    for (int column = 0; column < table->columnCount(); ++column) {
        rows.front().append(headings == Headings::Shown
                                ? table->horizontalHeaderItem(column)->text()
                                : QString::fromUtf8(kColumns.at(static_cast<std::size_t>(column))));
    }
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList& cells = rows.emplace_back();
        for (int column = 0; column < table->columnCount(); ++column) {
            cells.append(table->item(row, column)->text());
        }
    }
    return rows;
}

void RowLengthWindow::copyTable() {
    QGuiApplication::clipboard()->setText(core::tableTsv(tableRows(Headings::Shown)));
}

void RowLengthWindow::saveTable() {
    saveThroughDialog(this, m_askWhereToSave,
                      {tr("Tabelle speichern unter"),
                       fileName(QStringLiteral("csv")),
                       {{tr("CSV-Datei (*.csv)"), QStringLiteral("csv")}}},
                      tr("Die Tabelle"), m_report, [this](QIODevice& device, std::size_t) {
                          core::writeAll(device, core::tableCsv(tableRows(Headings::OfFiles)));
                      });
}

QString RowLengthWindow::fileName(const QString& suffix) const {
    return tr("primzeilen_laengen_%1_%2.%3").arg(m_from).arg(m_to).arg(suffix);
}

}  // namespace ui

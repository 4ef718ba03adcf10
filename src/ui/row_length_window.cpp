#include "row_length_window.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMimeData>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/conversions.h"
#include "graphics/chart_export.h"
#include "graphics/row_length_chart.h"
#include "ui/picture_box.h"

namespace ui {

namespace {

constexpr std::uint32_t kShortest = 10;
constexpr std::uint32_t kLongest = 120;

}  // namespace

RowLengthWindow::RowLengthWindow(FailureReporter reporter, QWidget* parent)
    : QWidget(parent, Qt::Window), m_report(std::move(reporter)) {
    setObjectName(QStringLiteral("Zeilenlaengen"));
    setWindowTitle(tr("Zeilenlängen im Vergleich"));
    if (!m_report) {
        m_report = messageBoxReporter(this);
    }
    pictureBox = new PictureBox(640, 360, this);
    pictureBox->setFixedSize(640, 360);
    pictureBox->setObjectName(QStringLiteral("ZeilenlaengenBild"));
    pictureBox->setAccessibleName(tr("Angepasstes n über der Zeilenlänge"));
    table = new QTableWidget(0, 9, this);
    table->setObjectName(QStringLiteral("ZeilenlaengenTabelle"));
    table->setAccessibleName(tr("Zeilenlängen, angepasstes n und Abstände"));
    table->setHorizontalHeaderLabels({tr("L"), tr("Zeilen"), tr("n"), tr("p"), tr("n*"),
                                      tr("TV Momente"), tr("TV Cramér"), tr("TV Poisson"),
                                      tr("TV M–S")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pictureBox);
    layout->addWidget(table, 1);

    copyPictureAction = new QAction(tr("Bild &kopieren"), pictureBox);
    copyPictureAction->setShortcut(QKeySequence::Copy);
    copyPictureAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copyPictureAction, &QAction::triggered, this, &RowLengthWindow::copyPicture);
    pictureBox->addAction(copyPictureAction);
    pictureBox->setContextMenuPolicy(Qt::ActionsContextMenu);
    resize(680, 640);
}

void RowLengthWindow::showRange(std::int64_t from, std::int64_t to) {
    runHandler(m_report, [&] {
        core::ScanControl control;
        m_results = core::compareRowLengths(from, to, kShortest, kLongest, 1, control,
                                            core::ModelPrecision::Display);
        graphics::drawRowLengthChart(pictureBox->picture(), m_results);
        pictureBox->update();
        table->setRowCount(static_cast<int>(m_results.size()));
        const auto tv = [](double value) { return core::formatFixed(value, 4, 3); };
        for (int row = 0; row < table->rowCount(); ++row) {
            const core::RowLengthResult& result = m_results[static_cast<std::size_t>(row)];
            QStringList cells{core::formatInteger(result.length),
                              core::formatInteger(static_cast<std::int64_t>(
                                  result.range ? result.range->rows() : 0)),
                              QString(), QString(), core::formatFixed(result.predictedN, 6, 2)};
            if (result.comparison) {
                const core::ModelComparison& c = *result.comparison;
                cells[2] = core::formatInteger(c.fit.n);
                cells[3] = core::formatFixed(c.fit.p, 6, 4);
                cells << tv(c.tvMoments) << tv(c.tvCramer) << tv(c.tvPoisson) << tv(c.tvMontgomery);
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
    if (!pictureBox->picture().isDrawn()) {
        return;
    }
    auto* data = new QMimeData;
    data->setImageData(pictureBox->picture().raster(devicePixelRatioF()));
    data->setData(QStringLiteral("image/svg+xml"),
                  graphics::chartSvg(pictureBox->picture().drawing(),
                                     tr("Primzeilen: Zeilenlängen im Vergleich")));
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace ui

#include "text_grid.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace ui {

namespace {

// Cell texts close to the left line, clipped rather than shortened with an ellipsis.
class CellText final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QVariant background = index.data(Qt::BackgroundRole);
        if (background.isValid()) {
            painter->fillRect(option.rect, background.value<QBrush>());
        }
        painter->save();
        painter->setClipRect(option.rect);
        painter->setFont(option.font);
        painter->setPen(Qt::black);
        painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data().toString());
        painter->restore();
    }
};

}  // namespace

TextGrid::TextGrid(int columns, int rows, int cellWidth, int cellHeight, QWidget* parent)
    : QTableWidget(rows, columns, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // Section sizes include the grid line, as the cells of the layout do.
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultSectionSize(cellWidth + 1);
    verticalHeader()->setDefaultSectionSize(cellHeight + 1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setItemDelegate(new CellText(this));
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            if (column == 0) {
                item->setBackground(palette().button());
            }
            setItem(row, column, item);
        }
    }
}

QString TextGrid::cell(int column, int row) const {
    return item(row, column)->text();
}

void TextGrid::showRows(std::span<const QStringList> rows) {
    for (int row = 0; row < rowCount() && row < static_cast<int>(rows.size()); ++row) {
        const QStringList& texts = rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < columnCount() && column < texts.size(); ++column) {
            item(row, column)->setText(texts[column]);
        }
    }
}

}  // namespace ui

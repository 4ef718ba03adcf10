#pragma once

#include <QTableWidget>

#include "ui/grid_cells.h"

namespace ui {

// A grid of texts with a fixed heading column, lines between all cells and no scroll bars. It
// shows; it is not edited, selected or focused.
class TextGrid final : public QTableWidget, public ui::StringGrid {
    Q_OBJECT
public:
    TextGrid(int columns, int rows, int cellWidth, int cellHeight, QWidget* parent = nullptr);
    [[nodiscard]] QString cell(int column, int row) const override;
    void setCell(int column, int row, const QString& text) override;
};

}  // namespace ui

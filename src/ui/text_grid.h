#pragma once

#include <QStringList>
#include <QTableWidget>
#include <span>

namespace ui {

// A grid of texts with a fixed heading column, lines between all cells and no scroll bars. It
// shows; it is not edited, selected or focused.
class TextGrid final : public QTableWidget {
    Q_OBJECT
public:
    TextGrid(int columns, int rows, int cellWidth, int cellHeight, QWidget* parent = nullptr);
    [[nodiscard]] QString cell(int column, int row) const;
    // Shows the rows' texts, from the first row and column on.
    void showRows(std::span<const QStringList> rows);
};

}  // namespace ui

#pragma once

#include <QString>
#include <vector>

namespace ui {

// The cells of a string grid, by column and row, as the code that fills a grid sees them. The
// graph window's table implements it; tools and tests use PlainStringGrid.
class StringGrid {
public:
    virtual ~StringGrid() = default;
    [[nodiscard]] virtual QString cell(int column, int row) const = 0;
    virtual void setCell(int column, int row, const QString& text) = 0;
};

class PlainStringGrid final : public StringGrid {
public:
    PlainStringGrid(int columns, int rows)
        : m_columns(columns), m_cells(static_cast<std::size_t>(columns * rows)) {}
    [[nodiscard]] QString cell(int column, int row) const override {
        return m_cells[static_cast<std::size_t>(row * m_columns + column)];
    }
    void setCell(int column, int row, const QString& text) override {
        m_cells[static_cast<std::size_t>(row * m_columns + column)] = text;
    }

private:
    int m_columns;
    std::vector<QString> m_cells;
};

// The chosen cell of a colour grid.
class ColorChoice {
public:
    virtual ~ColorChoice() = default;
    [[nodiscard]] virtual int foregroundIndex() const = 0;
};

}  // namespace ui

#pragma once

#include <QWidget>

#include "graphics/canvas.h"

namespace ui {

// Sixteen colour cells, eight by two, indices 0 to 7 in the top row and 8 to 15 below. A left
// click or an arrow key chooses the foreground cell, which is marked "FG". Choosing redraws
// nothing; the next chart uses the colour.
class ColorGrid final : public QWidget {
    Q_OBJECT
public:
    explicit ColorGrid(QWidget* parent = nullptr);
    [[nodiscard]] int foregroundIndex() const { return m_index; }
    // The chart colour of the foreground cell.
    [[nodiscard]] graphics::Color foregroundColor() const;
    void setForegroundIndex(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    [[nodiscard]] QRect cell(int index) const;

    int m_index = 4;
};

}  // namespace ui

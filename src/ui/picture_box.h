#pragma once

#include <QWidget>

#include "graphics/canvas.h"

namespace ui {

// A picture control: shows the image its canvas draws on, pixel for pixel, and the window's
// background until the canvas is first used.
class PictureBox final : public QWidget {
    Q_OBJECT
public:
    PictureBox(int width, int height, QWidget* parent = nullptr);
    [[nodiscard]] graphics::Picture& picture() { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    graphics::Picture m_picture;
};

}  // namespace ui

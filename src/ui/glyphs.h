#pragma once

#include <QIcon>

#include "graphics/drawing.h"

namespace ui {

// The pictures of the buttons and windows, drawn by the program itself.

// A green check mark, and a grey outline of it for a disabled button.
[[nodiscard]] QIcon checkGlyph();
// A red cross.
[[nodiscard]] QIcon cancelGlyph();
// An open door.
[[nodiscard]] QIcon closeGlyph();
// A small black stick chart on a yellow ground, 32 x 32 and 16 x 16.
[[nodiscard]] QIcon programIcon();
// The program's icon drawn for a square of `size` pixels: the one source of the windows' icon
// and of the icon files that are installed.
[[nodiscard]] graphics::Drawing programIconDrawing(int size);

}  // namespace ui

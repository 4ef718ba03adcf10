#pragma once

#include <QIcon>

namespace ui {

// The pictures of the buttons and windows, drawn by the program itself.

// A green check mark, and a grey outline of it for a disabled button.
[[nodiscard]] QIcon CheckGlyph();
// A red cross.
[[nodiscard]] QIcon CancelGlyph();
// An open door.
[[nodiscard]] QIcon CloseGlyph();
// A small black stick chart on a yellow ground, 32 x 32 and 16 x 16.
[[nodiscard]] QIcon ProgramIcon();

}  // namespace ui

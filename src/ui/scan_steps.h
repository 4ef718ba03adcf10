#pragma once

#include "core/list_lines.h"
#include "ui/shared_state.h"
#include "ui/text_field.h"

namespace ui {

// The controls of the main window that a scan reads and writes.
struct ScanControls {
    TextField& upperBound;
    TextField& lowerBound;
    TextField& rowLength;
    core::ListBoxItems& rowList;
};

// The main window's scan: reads the row length and the range from the fields, adjusts the range
// to whole rows and writes it back, lists every row with its marks and count of primes and then
// the frequency table, and leaves the shares in state. A range outside the limits is refused
// without a message. A field that does not convert raises ConversionError, a row length below 1
// RowLengthError; what was written before stays.
void scanIntoFields(const ScanControls& controls, SharedState& state);

}  // namespace ui

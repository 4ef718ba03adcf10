#pragma once

#include <cstdint>

#include "core/failures.h"
#include "core/list_lines.h"
#include "ui/shared_state.h"
#include "ui/text_field.h"

namespace core {

// Both adjusted bounds must lie within -10,000,000..10,000,000.
inline constexpr std::int64_t kRangeLimit = 10'000'000;

class RowLengthError final : public core::Failure {
public:
    RowLengthError();
};

// The controls of the main window that a scan reads and writes.
struct ScanControls {
    ui::TextField& Edit1;  // upper bound
    ui::TextField& Edit2;  // lower bound
    ui::TextField& Edit3;  // row length
    core::ListBoxItems& ListBox1;
};

// The main window's scan: reads the row length and the range from the fields, adjusts the range
// to whole rows and writes it back, lists every row with its marks and count of primes and then
// the frequency table, and leaves the shares in state.RelHaeufigkeit. A range outside the limits
// is refused without a message. A field that does not convert raises ConversionError, a row
// length below 1 RowLengthError; what was written before stays.
void Berechnen(const ScanControls& controls, ui::SharedState& state);

}  // namespace core

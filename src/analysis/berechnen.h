#pragma once

#include <cstdint>

#include "shell/failures.h"
#include "shell/list_lines.h"
#include "shell/shared_state.h"
#include "shell/text_field.h"

namespace analysis {

// Both adjusted bounds must lie within -10,000,000..10,000,000.
inline constexpr std::int64_t kRangeLimit = 10'000'000;

class RowLengthError final : public shell::Failure {
public:
    RowLengthError();
};

// The controls of the main window that a scan reads and writes.
struct ScanControls {
    shell::TextField& Edit1;  // upper bound
    shell::TextField& Edit2;  // lower bound
    shell::TextField& Edit3;  // row length
    shell::ListBoxItems& ListBox1;
};

// The main window's scan: reads the row length and the range from the fields, adjusts the range
// to whole rows and writes it back, lists every row with its marks and count of primes and then
// the frequency table, and leaves the shares in state.RelHaeufigkeit. A range outside the limits
// is refused without a message. A field that does not convert raises ConversionError, a row
// length below 1 RowLengthError; what was written before stays.
void Berechnen(const ScanControls& controls, shell::SharedState& state);

}  // namespace analysis

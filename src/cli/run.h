#pragma once

#include "cli/options.h"
#include "core/line_writer.h"
#include "engine/rows/rows.h"

namespace cli {

// Counts the run of `options` and writes it to `out` in its format: the rows, the report, or
// the row lengths. Returns the exit code; a stop through control.stop ends the count at its
// next look and returns kInterrupted.
int countAndWrite(const Options& options, core::ScanControl& control, core::LineWriter& out);

}  // namespace cli

#pragma once

#include <array>
#include <cstdint>

#include "engine/texts/language.h"

namespace ui {

// The row length and the adjusted bounds of a scan.
struct ScannedRange {
    std::int32_t rowLength = 0;
    std::int64_t lower = 0;
    std::int64_t upper = 0;
};

// The state both windows share. The windows receive a reference, so tests can hand them a
// fresh instance; the program uses sharedState().
struct SharedState {
    // Set once a scan started from the main window has returned; until then the Graph button
    // does nothing.
    bool scanned = false;
    // Numbers per row, as last read from the main window's field.
    std::int32_t rowLength = 0;
    // Entry k: the share of the tallied rows that hold exactly k primes.
    std::array<double, 21> shares{};
    // The share of all rows of that scan that hold more than 20 primes.
    double beyondTwenty = 0.0;
    // The scan whose shares these are: the graph window labels its results with it, whatever
    // the main window's fields read since.
    ScannedRange lastScan;
    // The reader of every text the windows make: its language and decimal separator.
    core::Conventions conventions;
};

[[nodiscard]] SharedState& sharedState();

}  // namespace ui

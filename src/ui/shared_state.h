#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace ui {

// The row length and the adjusted bounds of a scan.
struct ScannedRange {
    std::int32_t ZahlenProZeile = 0;
    std::int64_t Von = 0;
    std::int64_t Bis = 0;
};

// The state both windows share. The windows receive a reference, so tests can hand them a
// fresh instance; the program uses Shared().
struct SharedState {
    // 1 once a scan started from the main window has returned.
    std::uint8_t Berechnet = 0;
    // Numbers per row.
    std::int32_t ZahlenProZeile = 0;
    // The row being built; after a scan the header and marks of its last row.
    QString Zeile;
    // Entry k: the share of the tallied rows that hold exactly k primes.
    std::array<double, 21> RelHaeufigkeit{};
    // The scan whose shares RelHaeufigkeit holds: the graph window labels its results with it,
    // whatever the main window's fields read since.
    ScannedRange Gescannt;
};

[[nodiscard]] SharedState& Shared();

}  // namespace ui

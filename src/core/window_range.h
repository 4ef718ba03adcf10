#pragma once

#include <cstdint>

#include "core/failures.h"
#include "core/rows.h"

namespace core {

// Both adjusted bounds of a scan in the windows must lie within -10,000,000..10,000,000.
inline constexpr std::int64_t kRangeLimit = 10'000'000;

class RowLengthError final : public Failure {
public:
    RowLengthError();
};

// Whether the windows scan first..last (bounds adjusted to whole rows): at least one row, both
// bounds within the limit. A range outside is refused without a message.
[[nodiscard]] bool withinWindowLimits(Number first, Number last);

}  // namespace core

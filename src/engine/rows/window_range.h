#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/failures.h"
#include "engine/rows/rows.h"

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

// The three fields of a scan, as the main window and the web page hold them (texts in UTF-8).
enum class WindowField { RowLength, Lower, Upper };
class WindowFields {
public:
    virtual ~WindowFields() = default;
    [[nodiscard]] virtual std::string text(WindowField field) = 0;
    // The row length as read, before anything is checked.
    virtual void rowLengthRead(std::int32_t length) = 0;
    // An adjusted bound, written back to its field.
    virtual void write(WindowField field, const std::string& text) = 0;
};

// The windows' reading of a scan's fields, step by step: the row length is read (and reported),
// then the lower bound; a row length below 1 raises RowLengthError; the lower bound is adjusted
// to whole rows and written back; then the upper bound is read, adjusted and written back. A
// field that does not convert raises ConversionError there, so what was written before stays.
// Returns the range to scan, or none (without a message) where it lies outside the limits.
[[nodiscard]] std::optional<RowRange> readWindowFields(WindowFields& fields);

}  // namespace core

#include "window_range.h"

#include "engine/texts/number_text.h"

namespace core {

RowLengthError::RowLengthError()
    : Failure(QT_TRANSLATE_NOOP("core::Failure",
                                "Die Anzahl Zahlen pro Zeile muss mindestens 1 sein.")) {}

bool withinWindowLimits(Number first, Number last) {
    return first <= last && first <= kRangeLimit && last <= kRangeLimit && first >= -kRangeLimit;
}

std::optional<RowRange> readWindowFields(WindowFields& fields) {
    const std::int32_t length = text::parseInteger(fields.text(WindowField::RowLength));
    fields.rowLengthRead(length);
    const std::int32_t lower = text::parseInteger(fields.text(WindowField::Lower));
    if (length < 1) {
        throw RowLengthError();
    }
    const auto rowLength = static_cast<std::uint32_t>(length);
    const Number first = firstOfRows(lower, rowLength);
    fields.write(WindowField::Lower, text::numberText(first));
    const std::int32_t upper = text::parseInteger(fields.text(WindowField::Upper));
    const Number last = lastOfRows(upper, rowLength);
    fields.write(WindowField::Upper, text::numberText(last));
    if (!withinWindowLimits(first, last)) {
        return std::nullopt;
    }
    return RowRange{first, last, rowLength};
}

}  // namespace core

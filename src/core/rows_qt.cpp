#include <QString>

#include "engine/rows/rows.h"

namespace core {

QString numberText(Number value) {
    return QString::fromStdString(text::numberText(value));
}

QString rowHeader(Number start, int width) {
    return QString::fromStdString(text::rowHeader(start, width));
}

QString rowTail(std::uint64_t count) {
    return QString::fromStdString(text::rowTail(count));
}

QString rowLine(const RowRange& range, std::uint64_t row, int width, std::uint32_t count,
                const std::vector<std::uint32_t>& offsets) {
    return QString::fromStdString(text::rowLine(range, row, width, count, offsets));
}

}  // namespace core

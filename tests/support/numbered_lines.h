#pragma once

#include <QString>

#include "core/list_lines.h"

namespace test_lines {

// `count` lines "row 0", "row 1", …, made when asked for.
class Numbered final : public core::LineSource {
public:
    explicit Numbered(qsizetype count) : m_count(count) {}
    [[nodiscard]] qsizetype count() const override { return m_count; }
    [[nodiscard]] QString line(qsizetype index) const override {
        return QStringLiteral("row %1").arg(index);
    }
    [[nodiscard]] qsizetype longestLine() const override { return 11; }

private:
    qsizetype m_count;
};

}  // namespace test_lines

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <span>
#include <utility>
#include <vector>

namespace core {

// The table's rows as tab-separated lines, each cell as shown, an empty one empty.
[[nodiscard]] QString tableTsv(std::span<const QStringList> rows);

// The table's rows as the engine's CSV (text::tableCsv in engine/texts/csv_text.h).
[[nodiscard]] QByteArray tableCsv(std::span<const QStringList> rows);

// Result fields as "label<TAB>value" lines.
[[nodiscard]] QString resultsText(const std::vector<std::pair<QString, QString>>& fields);

}  // namespace core

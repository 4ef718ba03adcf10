#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <span>
#include <utility>
#include <vector>

namespace core {

// The table's rows as tab-separated lines, each cell as shown, an empty one empty.
[[nodiscard]] QString tableTsv(std::span<const QStringList> rows);

// The same as CSV for spreadsheets of a German locale: cells separated by semicolons, decimal
// commas as shown, a cell holding a semicolon or a quote quoted; UTF-8 with a byte order mark,
// by which spreadsheets recognise the encoding.
[[nodiscard]] QByteArray tableCsv(std::span<const QStringList> rows);

// Result fields as "label<TAB>value" lines.
[[nodiscard]] QString resultsText(const std::vector<std::pair<QString, QString>>& fields);

}  // namespace core

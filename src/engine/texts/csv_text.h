#pragma once

#include <string>
#include <vector>

namespace core::text {

// A table as CSV for spreadsheets of a German locale: cells separated by semicolons, decimal
// commas as shown, a cell holding a semicolon, a quote or a line end quoted; UTF-8 with a byte
// order mark, by which spreadsheets recognise the encoding.
[[nodiscard]] std::string tableCsv(const std::vector<std::vector<std::string>>& rows);

}  // namespace core::text

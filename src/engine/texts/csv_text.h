#pragma once

#include <string>
#include <vector>

namespace core::text {

// A table as CSV for spreadsheets of a German locale (see tableCsv in table_text.h), in UTF-8
// with its byte order mark.
[[nodiscard]] std::string tableCsv(const std::vector<std::vector<std::string>>& rows);

}  // namespace core::text

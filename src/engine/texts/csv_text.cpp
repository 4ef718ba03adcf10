#include "csv_text.h"

namespace core::text {

namespace {

std::string csvCell(const std::string& cell) {
    if (cell.find_first_of(";\"\n") == std::string::npos) {
        return cell;
    }
    std::string quoted = "\"";
    for (const char c : cell) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

}  // namespace

std::string tableCsv(const std::vector<std::vector<std::string>>& rows) {
    std::string csv = "\xEF\xBB\xBF";
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) {
                csv += ';';
            }
            csv += csvCell(row[i]);
        }
        csv += "\r\n";
    }
    return csv;
}

}  // namespace core::text

#include "table_text.h"

#include "engine/texts/csv_text.h"

namespace core {

QString tableTsv(std::span<const QStringList> rows) {
    QString text;
    for (const QStringList& row : rows) {
        text += row.join(u'\t') + u'\n';
    }
    return text;
}

QByteArray tableCsv(std::span<const QStringList> rows) {
    std::vector<std::vector<std::string>> cells;
    for (const QStringList& row : rows) {
        auto& texts = cells.emplace_back();
        for (const QString& cell : row) {
            texts.push_back(cell.toStdString());
        }
    }
    return QByteArray::fromStdString(text::tableCsv(cells));
}

QString resultsText(const std::vector<std::pair<QString, QString>>& fields) {
    QString text;
    for (const auto& [label, value] : fields) {
        text += label + u'\t' + value + u'\n';
    }
    return text;
}

}  // namespace core

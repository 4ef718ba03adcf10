#include "table_text.h"

namespace core {

namespace {

QString csvCell(QString cell) {
    if (cell.contains(u';') || cell.contains(u'"') || cell.contains(u'\n')) {
        cell.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        return u'"' + cell + u'"';
    }
    return cell;
}

}  // namespace

QString tableTsv(std::span<const QStringList> rows) {
    QString text;
    for (const QStringList& row : rows) {
        text += row.join(u'\t') + u'\n';
    }
    return text;
}

QByteArray tableCsv(std::span<const QStringList> rows) {
    QByteArray csv("\xEF\xBB\xBF");
    for (const QStringList& row : rows) {
        QStringList cells;
        for (const QString& cell : row) {
            cells.append(csvCell(cell));
        }
        csv += cells.join(u';').toUtf8() + "\r\n";
    }
    return csv;
}

QString resultsText(const std::vector<std::pair<QString, QString>>& fields) {
    QString text;
    for (const auto& [label, value] : fields) {
        text += label + u'\t' + value + u'\n';
    }
    return text;
}

}  // namespace core

#include "list_box_model.h"

#include <utility>

namespace ui {

int ListBoxModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_lines.count());
}

QVariant ListBoxModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) {
        return {};
    }
    return m_lines.line(index.row());
}

void ListBoxModel::Clear() {
    beginResetModel();
    m_lines.Clear();
    endResetModel();
}

void ListBoxModel::Add(const QString& line) {
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_lines.Add(line);
    endInsertRows();
}

void ListBoxModel::AddLines(std::shared_ptr<const shell::LineSource> lines) {
    const auto added = static_cast<int>(lines->count());
    if (added == 0) {
        return;
    }
    const int row = rowCount();
    beginInsertRows({}, row, row + added - 1);
    m_lines.AddLines(std::move(lines));
    endInsertRows();
}

}  // namespace ui

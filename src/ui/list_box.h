#pragma once

#include <QAbstractListModel>
#include <QListView>

#include "shell/list_lines.h"

namespace ui {

// The lines of a list box for a view. Blocks of lines stay blocks, so a listing of a million
// rows is shown without a million strings.
class ListBoxModel final : public QAbstractListModel, public shell::ListBoxItems {
    Q_OBJECT
public:
    explicit ListBoxModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

    void Clear() override;
    void Add(const QString& line) override;
    void AddLines(std::shared_ptr<const shell::LineSource> lines) override;

    [[nodiscard]] const shell::LineList& lines() const { return m_lines; }

private:
    shell::LineList m_lines;
};

// A list box of fixed-pitch lines with rows of one height. Only the visible part of a line is
// drawn, so rows of millions of characters scroll as smoothly as short ones.
class TListBox final : public QListView {
    Q_OBJECT
public:
    TListBox(int rowHeight, QWidget* parent = nullptr);
    [[nodiscard]] ListBoxModel& items() { return *m_model; }
    // The selected lines as ranges, without a model index for each.
    [[nodiscard]] std::vector<shell::LineRange> SelectedRanges() const;

private:
    ListBoxModel* m_model;
};

}  // namespace ui

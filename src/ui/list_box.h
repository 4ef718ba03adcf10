#pragma once

#include <QAbstractListModel>
#include <QListView>

#include "core/list_lines.h"

namespace ui {

// The lines of a list box for a view. Blocks of lines stay blocks, so a listing of a million
// rows is shown without a million strings.
class ListBoxModel final : public QAbstractListModel, public core::ListBoxItems {
    Q_OBJECT
public:
    explicit ListBoxModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

    void clearLines() override;
    void addLine(const QString& line) override;
    void addLines(std::shared_ptr<const core::LineSource> lines) override;

    [[nodiscard]] const core::LineList& lines() const { return m_lines; }

private:
    core::LineList m_lines;
};

// A list box of fixed-pitch lines with rows of one height. Only the visible part of a line is
// drawn, so rows of millions of characters scroll as smoothly as short ones.
class ListBox final : public QListView {
    Q_OBJECT
public:
    ListBox(int rowHeight, QWidget* parent = nullptr);
    [[nodiscard]] ListBoxModel& items() { return *m_model; }
    // The selected lines as ranges, without a model index for each.
    [[nodiscard]] std::vector<core::LineRange> selectedRanges() const;

private:
    ListBoxModel* m_model;
};

}  // namespace ui

#pragma once

#include <QWidget>
#include <functional>

#include "shell/shared_state.h"

class QLabel;
class QListView;
class QPushButton;

namespace ui {

class ListBoxModel;
class TEdit;

// Shows a failure's text to the user; tests hand in their own.
using FailureReporter = std::function<void(const QString& message)>;

// The main window: the range and row-length fields, the scan button and the list of rows.
class TForm1 final : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(shell::SharedState& state, FailureReporter reporter = {},
                    QWidget* parent = nullptr);

    void Berechnen();
    void BitBtn1Click();

    TEdit* Edit1;  // upper bound
    TEdit* Edit2;  // lower bound
    TEdit* Edit3;  // row length
    QPushButton* BitBtn1;
    QListView* ListBox1;
    ListBoxModel* ListBox1Items;

private:
    shell::SharedState& m_state;
    FailureReporter m_report;
};

}  // namespace ui

#pragma once

#include <QWidget>
#include <vector>

#include "core/row_lengths.h"
#include "ui/handler.h"

class QAction;
class QTableWidget;

namespace ui {

class PictureBox;

// "Zeilenlängen im Vergleich": for one range every row length from 10 to 120, scanned and fitted,
// the fitted n over L beside the n* the Montgomery-Soundararajan model predicts and the line of
// independent numbers, and a table of L, rows, n, p, n* and each model's distance.
class RowLengthWindow final : public QWidget {
    Q_OBJECT
public:
    explicit RowLengthWindow(FailureReporter reporter = {}, QWidget* parent = nullptr);

    // Scans and shows from..to; a range without a whole row at some length shows that length
    // without a fit.
    void showRange(std::int64_t from, std::int64_t to);
    [[nodiscard]] const std::vector<core::RowLengthResult>& results() const { return m_results; }

    PictureBox* pictureBox;
    QTableWidget* table;
    QAction* copyPictureAction;

private:
    void copyPicture();

    FailureReporter m_report;
    std::vector<core::RowLengthResult> m_results;
};

}  // namespace ui

#pragma once

#include <QWidget>
#include <vector>

#include "engine/rows/row_lengths.h"
#include "ui/file_dialogs.h"
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
    explicit RowLengthWindow(const core::Conventions& reader, FailureReporter reporter = {},
                             QWidget* parent = nullptr);

    // Scans and shows from..to; a range without a whole row at some length shows that length
    // without a fit.
    void showRange(std::int64_t from, std::int64_t to);
    [[nodiscard]] const std::vector<core::RowLengthResult>& results() const { return m_results; }
    // Tests answer the save dialog themselves.
    void setSaveDialog(SaveDialog dialog) { m_askWhereToSave = std::move(dialog); }

    PictureBox* pictureBox;
    QTableWidget* table;
    QAction* copyPictureAction;
    QAction* savePictureAction;
    QAction* printAction;
    QAction* copyTableAction;
    QAction* saveTableAction;

private:
    void copyPicture();
    void savePicture();
    void printPicture();
    void copyTable();
    void saveTable();
    // The table's heading, as shown or as files name the columns in every language, and its
    // rows, each cell as shown.
    enum class Headings { Shown, OfFiles };
    [[nodiscard]] std::vector<QStringList> tableRows(Headings headings) const;
    // primzeilen_laengen_VON_BIS with the ending (in English primzeilen_lengths_…).
    [[nodiscard]] QString fileName(const QString& suffix) const;

    core::Conventions m_reader;
    FailureReporter m_report;
    SaveDialog m_askWhereToSave = askWhereToSave;
    std::int64_t m_from = 0;
    std::int64_t m_to = 0;
    std::vector<core::RowLengthResult> m_results;
};

}  // namespace ui

#pragma once

#include <QWidget>

#include "ui/file_dialogs.h"
#include "ui/handler.h"
#include "ui/shared_state.h"

class QAction;
class QLabel;
class QPushButton;
class QScrollBar;

namespace ui {

class EditField;
class GraphWindow;
class ListBox;

// The main window: the range and the row length, the scan, the list of rows and the way to the
// graph window.
class MainWindow final : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(ui::SharedState& state, ui::FailureReporter reporter = {},
                        QWidget* parent = nullptr);

    // The graph window, which the Graph button shows and redraws.
    void setGraphWindow(GraphWindow* window) { m_graphWindow = window; }

    // Reads the range and the row length, lists the rows and leaves their shares in the state.
    void scan();

    void onComputeClicked();
    void onUpperBoundKey(char16_t key);
    void onGraphClicked();
    // The bar's position into the field, and the field's value back into the bar and the state.
    void onRowLengthBarChanged();
    void onRowLengthKey(char16_t key);
    void onCloseClicked();

    // The list's context menu: the selected lines to the clipboard (Ctrl+C), all lines
    // selected (Ctrl+A), the whole listing to a text file (Ctrl+S in the window).
    void copyLines();
    void selectAllLines();
    void saveList();
    void setSaveDialog(SaveDialog dialog) { m_askWhereToSave = std::move(dialog); }

    // The controls, named by what they hold; src/ui/README.md lists their documented names.
    EditField* lowerBound = nullptr;
    EditField* upperBound = nullptr;
    EditField* rowLength = nullptr;
    QScrollBar* rowLengthBar = nullptr;
    ListBox* rowList = nullptr;
    QPushButton* computeButton = nullptr;
    QPushButton* graphButton = nullptr;
    QPushButton* closeButton = nullptr;
    QLabel* lowerBoundLabel = nullptr;
    QLabel* upperBoundLabel = nullptr;
    QLabel* rowLengthLabel = nullptr;
    QLabel* limitNote = nullptr;
    QLabel* markLegend = nullptr;
    QLabel* firstNumberHeading = nullptr;
    QLabel* countHeading = nullptr;
    QLabel* primesPerRowHeading = nullptr;
    QAction* copyLinesAction = nullptr;
    QAction* selectAllLinesAction = nullptr;
    QAction* saveListAction = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createActions();

    ui::SharedState& m_state;
    ui::FailureReporter m_report;
    SaveDialog m_askWhereToSave = askWhereToSave;
    GraphWindow* m_graphWindow = nullptr;
    bool m_activated = false;
};

}  // namespace ui

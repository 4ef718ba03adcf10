#pragma once

#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

#include "graphics/chart.h"
#include "graphics/chart_export.h"
#include "ui/file_dialogs.h"
#include "ui/handler.h"
#include "ui/result_table.h"
#include "ui/shared_state.h"

class QAction;
class QLabel;
class QPushButton;

namespace ui {

// A file for the picture: PNG rasterised at a scale, SVG or the printed page as PDF.
struct PictureFile {
    QString path;
    graphics::ChartFormat format = graphics::ChartFormat::Png;
    double scale = 1.0;
};

class ColorGrid;
class EditField;
class PictureBox;
class RowLengthWindow;
class TextGrid;

// The graph window: the picture with the stick chart of h(x) and the histogram of the fitted
// B(n;p), the table, the fitted values and the colour grid. It reads the main window's range
// fields and never writes into the main window.
class GraphWindow final : public QWidget {
    Q_OBJECT
public:
    GraphWindow(ui::SharedState& state, graphics::ChartState& chart,
                ui::FailureReporter reporter = {}, QWidget* parent = nullptr);

    // Fits B(n;p) to the last scan's shares and shows it in the table and the result fields.
    void fillTable();
    // What the table and the result fields show.
    [[nodiscard]] const FitResults& results() const { return m_results; }
    void drawAxes();
    void drawStickChart();
    void drawHistogram();

    // Visible and in front.
    void showInFront();
    // White inside a one-pixel frame.
    void clearPicture();
    // Clear, fit and table, axes, sticks, bars; and the random models when they are shown.
    void redraw();

    void onClearClicked();
    void onSticksClicked();
    void onHistogramClicked();
    void onNKey(char16_t key);
    void onPKey(char16_t key);
    void onCloseClicked();

    // Checkable, off at every start (Alt+M): every redraw also draws the random models.
    void showModels(bool shown);
    // Alt+V: "Zeilenlängen im Vergleich" for the range of the last scan.
    QAction* compareRowLengthsAction = nullptr;
    void compareRowLengths();
    [[nodiscard]] RowLengthWindow* rowLengthWindow() const { return m_rowLengths; }
    // The picture on the clipboard: an image at the window's scale, and the chart as SVG.
    void copyPicture();
    // Asks for a file and writes the picture there; a failure is reported, nothing else changes.
    void savePicture();
    // The table as tab-separated text on the clipboard; saved as CSV.
    void copyTable();
    void saveTable();
    // The nine result fields as "label<TAB>value" lines on the clipboard.
    void copyResults();
    // The print preview: the chart on a landscape page with the table and the fields below.
    void printPicture();
    // Writes the picture to a file. Returns an empty text, or the message naming the file and
    // the reason it could not be written.
    [[nodiscard]] QString writePicture(const PictureFile& file) const;
    // The nine result fields, n to the scan's upper bound, with the labels the window shows
    // them by.
    [[nodiscard]] std::vector<std::pair<QString, QString>> labelledResults() const;
    // The table and the fields for the printed page and the PDF.
    [[nodiscard]] graphics::ChartTexts chartTexts() const;
    void setSaveDialog(SaveDialog dialog) { m_askWhereToSave = std::move(dialog); }

    // The controls, named by what they hold; src/ui/README.md lists their documented names.
    PictureBox* pictureBox = nullptr;
    TextGrid* table = nullptr;
    QLabel* tableHeading = nullptr;
    // B( n ; p ): the fitted distribution.
    QLabel* fitOpening = nullptr;
    EditField* n = nullptr;
    QLabel* fitSeparator = nullptr;
    EditField* p = nullptr;
    QLabel* fitClosing = nullptr;
    // The means and standard deviations of h(x) and of B(n;p).
    QLabel* observedMeanLabel = nullptr;
    EditField* observedMean = nullptr;
    QLabel* binomialMeanLabel = nullptr;
    EditField* binomialMean = nullptr;
    QLabel* observedDeviationLabel = nullptr;
    EditField* observedDeviation = nullptr;
    QLabel* binomialDeviationLabel = nullptr;
    EditField* binomialDeviation = nullptr;
    // The row length and the range of the scan the results come from.
    QLabel* scannedRowLengthLabel = nullptr;
    EditField* scannedRowLength = nullptr;
    QLabel* scannedLowerLabel = nullptr;
    EditField* scannedLower = nullptr;
    QLabel* scannedUpperLabel = nullptr;
    EditField* scannedUpper = nullptr;
    QPushButton* clearButton = nullptr;
    QPushButton* sticksButton = nullptr;
    ColorGrid* colorChoice = nullptr;
    QPushButton* histogramButton = nullptr;
    QPushButton* closeButton = nullptr;
    QLabel* stickChartCaption = nullptr;
    QLabel* histogramCaption = nullptr;
    // Getting the chart out, from the picture's context menu or by Ctrl+C, Ctrl+S and Ctrl+P
    // anywhere in the window but a text field; disabled until the picture was first drawn.
    QAction* copyPictureAction = nullptr;
    QAction* savePictureAction = nullptr;
    QAction* printAction = nullptr;
    // On the table's context menu, the results also on the picture's.
    QAction* copyTableAction = nullptr;
    QAction* saveTableAction = nullptr;
    QAction* copyResultsAction = nullptr;
    QAction* showModelsAction = nullptr;

protected:
    void changeEvent(QEvent* event) override;

private:
    // The window and its controls from the layout table.
    void buildControls();
    void createActions();
    // The results into the table and the fields.
    void showResults();
    // The random models over the chart, from the cache while the scan is the same.
    void drawModels();

    ui::SharedState& m_state;
    graphics::ChartState& m_chart;
    ui::FailureReporter m_report;
    SaveDialog m_askWhereToSave = askWhereToSave;
    bool m_activated = false;
    bool m_showModels = false;
    FitResults m_results;
    RowLengthWindow* m_rowLengths = nullptr;
    // The models of the last scan drawn with them, computed once per scan.
    std::optional<std::pair<ui::ScannedRange, core::ModelShares>> m_models;
};

}  // namespace ui

#pragma once

#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

#include "graphics/chart.h"
#include "graphics/chart_export.h"
#include "ui/graph_redraw.h"
#include "ui/handler.h"
#include "ui/shared_state.h"
#include "ui/text_field.h"
#include "ui/file_dialogs.h"

class QAction;
class QLabel;
class QPrinter;
class QPushButton;

namespace ui {

// A file for the picture: PNG rasterised at a scale, SVG or the printed page as PDF.
struct PictureFile {
    QString path;
    graphics::ChartFormat format = graphics::ChartFormat::Png;
    double scale = 1.0;
};

class TColorGrid;
class TEdit;
class TImage;
class TStringGrid;

// The graph window: the picture with the stick chart of h(x) and the histogram of the fitted
// B(n;p), the table, the fitted values and the colour grid. It reads the main window's range
// fields and never writes into the main window.
class TForm2 final : public QWidget {
    Q_OBJECT
public:
    TForm2(ui::SharedState& state, graphics::ChartState& chart,
           ui::FailureReporter reporter = {}, QWidget* parent = nullptr);

    [[nodiscard]] double mean() const;
    [[nodiscard]] double standardDeviation() const;
    void FuelleTabelle();
    void drawAxes();
    void drawStickChart();
    void drawHistogram();

    // Visible and in front.
    void Show();
    // White inside a one-pixel frame.
    void Clear();
    // Clear, fit and table, axes, sticks, bars.
    void FullRedraw();

    void BitBtn3Click();
    void graph1Click();
    void graph2Click();
    void Edit1KeyPress(char16_t key);
    void Edit2KeyPress(char16_t key);
    void BitBtn1Click();

    // Getting the chart out, from the picture's context menu or by Ctrl+C, Ctrl+S and Ctrl+P
    // anywhere in the window but a text field; disabled until the picture was first drawn.
    QAction* BildKopieren;
    QAction* BildSpeichern;
    QAction* BildDrucken;
    // On the table's context menu, the results also on the picture's.
    QAction* TabelleKopieren;
    QAction* TabelleSpeichern;
    QAction* ErgebnisseKopieren;
    // Checkable, off at every start (Alt+M): every full redraw also draws the random models.
    QAction* ModelleEinblenden;
    void ShowModels(bool shown);
    // The picture on the clipboard: an image at the window's scale, and the chart as SVG.
    void CopyPicture();
    // Asks for a file and writes the picture there; a failure is reported, nothing else changes.
    void SavePicture();
    // The table as tab-separated text on the clipboard; saved as CSV.
    void CopyTable();
    void SaveTable();
    // The nine result fields as "label<TAB>value" lines on the clipboard.
    void CopyResults();
    // The print preview: the chart on a landscape page with the table and the fields below.
    void PrintPicture();
    // Writes the picture to a file. Returns an empty text, or the message naming the file and
    // the reason it could not be written.
    [[nodiscard]] QString WritePicture(const PictureFile& file) const;
    // The page the print preview shows and prints.
    void PaintPrintPage(QPrinter& printer) const;
    // The nine result fields, Edit1 to Edit9, with the labels the window shows them by.
    [[nodiscard]] std::vector<std::pair<QString, QString>> ResultFields() const;
    [[nodiscard]] graphics::ChartTexts ChartTexts() const;
    void SetSaveDialog(SaveDialog dialog) { m_askWhereToSave = std::move(dialog); }

    TColorGrid* Farbwahl;
    QPushButton* BitBtn3;
    QPushButton* BitBtn1;
    TImage* Bild;
    TStringGrid* Tab;
    QLabel* Label1;
    QLabel* Label2;
    TEdit* Edit1;  // n
    QLabel* Label3;
    TEdit* Edit2;  // p
    QLabel* Label4;
    QPushButton* graph1;
    QPushButton* graph2;
    QLabel* Label5;
    TEdit* Edit3;
    QLabel* Label6;
    TEdit* Edit4;
    QLabel* Label7;
    TEdit* Edit5;
    QLabel* Label8;
    TEdit* Edit6;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;
    TEdit* Edit7;
    QLabel* Label12;
    TEdit* Edit8;
    QLabel* Label13;
    TEdit* Edit9;

protected:
    void changeEvent(QEvent* event) override;

private:
    [[nodiscard]] ui::GraphControls controls();
    void createActions();

    ui::SharedState& m_state;
    graphics::ChartState& m_chart;
    ui::FailureReporter m_report;
    SaveDialog m_askWhereToSave = AskWhereToSave;
    bool m_activated = false;
    bool m_showModels = false;
    // The models of the last scan drawn with them, computed once per scan.
    std::optional<std::pair<ui::ScannedRange, core::ModelShares>> m_models;
};

}  // namespace ui

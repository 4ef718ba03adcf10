#pragma once

#include <QWidget>

#include "distribution/chart.h"
#include "distribution/graph_redraw.h"
#include "shell/handler.h"
#include "shell/shared_state.h"
#include "shell/text_field.h"

class QLabel;
class QPushButton;

namespace ui {

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
    TForm2(shell::SharedState& state, const distribution::MainRange& mainRange,
           distribution::ChartState& chart, shell::FailureReporter reporter = {},
           QWidget* parent = nullptr);

    [[nodiscard]] double Erwartungswert() const;
    [[nodiscard]] double Standardabweichung() const;
    void FuelleTabelle();
    void ZeichneAchsen();
    void ZeichneStabdiagramm();
    void ZeichneHistogramm();

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

private:
    [[nodiscard]] distribution::GraphControls controls();

    shell::SharedState& m_state;
    distribution::MainRange m_mainRange;
    distribution::ChartState& m_chart;
    shell::FailureReporter m_report;
};

}  // namespace ui

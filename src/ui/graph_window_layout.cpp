#include <QLabel>
#include <QPushButton>
#include <array>

#include "graph_window.h"
#include "ui/window_layout.h"

namespace ui {

namespace {

using C = Control<GraphWindow>;
constexpr Font kSystem13Bold{"System", 13, true};
constexpr Font kSystem16Bold{"System", 16, true};
constexpr Font kSystem11Bold{"System", 11, true};
constexpr Font kSansSerif13Bold{"MS Sans Serif", 13, true};

const Window kWindow{"GraphWindow",
                     QT_TRANSLATE_NOOP("GraphWindow", " Graphische Darstellung und Tabelle"),
                     {213, 3},
                     {803, 702},
                     {"MS Sans Serif", 11, false}};

// In the order of the window's controls.
const std::array kControls{
    C{.name = "Farbwahl",
      .kind = Kind::ColorGrid,
      .geometry = {344, 628, 136, 36},
      .accessibleName = QT_TRANSLATE_NOOP("GraphWindow", "Farbwahl"),
      .tabOrder = 0},
    C{.name = "BitBtn3",
      .kind = Kind::Button,
      .geometry = {19, 628, 126, 38},
      .text = QT_TRANSLATE_NOOP("GraphWindow", "Graphen &Löschen"),
      .tabOrder = 1,
      .glyph = Glyph::Cancel,
      .role = Role::Cancel,
      .onClick = &GraphWindow::onClearClicked},
    C{.name = "BitBtn1",
      .kind = Kind::Button,
      .geometry = {682, 628, 103, 38},
      .text = QT_TRANSLATE_NOOP("GraphWindow", "&Schließen"),
      .tabOrder = 4,
      .glyph = Glyph::Close,
      .onClick = &GraphWindow::onCloseClicked},
    C{.name = "Bild",
      .kind = Kind::Image,
      .geometry = {16, 8, 769, 377},
      .accessibleName = QT_TRANSLATE_NOOP("GraphWindow", "Diagramm von h(x) und B(n;p)")},
    C{.name = "Tab",
      .kind = Kind::StringGrid,
      .geometry = {16, 432, 761, 81},
      .accessibleName = QT_TRANSLATE_NOOP("GraphWindow", "Tabelle von h(x) und B(n;p)"),
      .font = {"Arial", 11, false},
      .tabOrder = 5,
      .tabStop = false,
      .cells = {20, 3},
      .cellSize = {37, 25}},
    C{.name = "Label1",
      .kind = Kind::Label,
      .geometry = {16, 400, 540, 16},
      .text = QT_TRANSLATE_NOOP(
          "GraphWindow",
          "Relative Häufigkeit h(x) der Primzahlen und zugeordnete Binomialverteilung B(n;p):"),
      .font = kSystem13Bold},
    C{.name = "Label2",
      .kind = Kind::Label,
      .geometry = {568, 400, 14, 16},
      .text = QT_TRANSLATE_NOOP("GraphWindow", "B("),
      .font = kSystem16Bold},
    C{.name = "Edit1",
      .kind = Kind::Edit,
      .geometry = {584, 398, 33, 24},
      .text = QT_TRANSLATE_NOOP("GraphWindow", "20"),
      .accessibleName = QT_TRANSLATE_NOOP("GraphWindow", "n"),
      .font = kSystem16Bold,
      .tabOrder = 6,
      .tabStop = false,
      .onKeyPress = &GraphWindow::onNKey},
    C{.name = "Label3",
      .kind = Kind::Label,
      .geometry = {616, 400, 4, 16},
      .text = QT_TRANSLATE_NOOP("GraphWindow", ";"),
      .font = kSystem16Bold},
    C{.name = "Edit2",
      .kind = Kind::Edit,
      .geometry = {624, 398, 57, 24},
      .text = QT_TRANSLATE_NOOP("GraphWindow", "0,32"),
      .accessibleName = QT_TRANSLATE_NOOP("GraphWindow", "p"),
      .font = kSystem16Bold,
      .tabOrder = 7,
      .tabStop = false,
      .onKeyPress = &GraphWindow::onPKey},
    C{.name = "Label4",
      .kind = Kind::Label,
      .geometry = {688, 400, 4, 16},
      .text = QT_TRANSLATE_NOOP("GraphWindow", ")"),
      .font = kSystem16Bold},
    C{.name = "graph1",
      .kind = Kind::Button,
      .geometry = {207, 628, 122, 37},
      .text = QT_TRANSLATE_NOOP("GraphWindow", "Zeichne &h(x)"),
      .tabOrder = 2,
      .glyph = Glyph::Check,
      .role = Role::Default,
      .onClick = &GraphWindow::onSticksClicked},
    C{.name = "graph2",
      .kind = Kind::Button,
      .geometry = {496, 628, 122, 37},
      .text = QT_TRANSLATE_NOOP("GraphWindow", "Zeichne &B(n;p)"),
      .tabOrder = 3,
      .glyph = Glyph::Check,
      .onClick = &GraphWindow::onHistogramClicked},
    C{.name = "Label5",
      .kind = Kind::Label,
      .geometry = {16, 544, 160, 16},
      .text = QT_TRANSLATE_NOOP("GraphWindow", "Erwartungswert von h(x):"),
      .font = kSystem11Bold},
    C{.name = "Edit3",
      .kind = Kind::Edit,
      .geometry = {216, 544, 49, 21},
      .text = QT_TRANSLATE_NOOP("GraphWindow", "Edit3"),
      .accessibleName = QT_TRANSLATE_NOOP("GraphWindow", "Erwartungswert von h(x)"),
      .tabOrder = 8,
      .tabStop = false},
    C{.name = "Label6",
      .kind = Kind::Label,
      .geometry = {296, 544, 174, 16},
      .text = QT_TRANSLATE_NOOP("GraphWindow", "Erwartungswert von B(n:p):"),
      .font = kSystem11Bold},
    C{.name = "Edit4",
      .kind = Kind::Edit,
      .geometry = {512, 544, 49, 21},
      .text = QT_TRANSLATE_NOOP("GraphWindow", "Edit4"),
      .accessibleName = QT_TRANSLATE_NOOP("GraphWindow", "Erwartungswert von B(n;p)"),
      .tabOrder = 10,
      .tabStop = false},
    C{.name = "Label7",
      .kind = Kind::Label,
      .geometry = {16, 576, 195, 16},
      .text = QT_TRANSLATE_NOOP("GraphWindow", "Standardabweichung von h(x):"),
      .font = kSystem16Bold},
    C{.name = "Edit5",
      .kind = Kind::Edit,
      .geometry = {216, 576, 49, 21},
      .text = QT_TRANSLATE_NOOP("GraphWindow", "Edit5"),
      .accessibleName = QT_TRANSLATE_NOOP("GraphWindow", "Standardabweichung von h(x)"),
      .tabOrder = 9,
      .tabStop = false},
    C{.name = "Label8",
      .kind = Kind::Label,
      .geometry = {296, 576, 209, 16},
      .text = QT_TRANSLATE_NOOP("GraphWindow", "Standardabweichung von B(n;p):"),
      .font = kSystem16Bold},
    C{.name = "Edit6",
      .kind = Kind::Edit,
      .geometry = {512, 576, 49, 21},
      .text = QT_TRANSLATE_NOOP("GraphWindow", "Edit6"),
      .accessibleName = QT_TRANSLATE_NOOP("GraphWindow", "Standardabweichung von B(n;p)"),
      .tabOrder = 11,
      .tabStop = false},
    C{.name = "Label9",
      .kind = Kind::Label,
      .geometry = {216, 672, 102, 16},
      .text = QT_TRANSLATE_NOOP("GraphWindow", "Stabdiagramm"),
      .font = kSansSerif13Bold},
    C{.name = "Label10",
      .kind = Kind::Label,
      .geometry = {520, 672, 84, 16},
      .text = QT_TRANSLATE_NOOP("GraphWindow", "Histogramm"),
      .font = kSansSerif13Bold},
    C{.name = "Label11",
      .kind = Kind::Label,
      .geometry = {592, 544, 134, 16},
      .text = QT_TRANSLATE_NOOP("GraphWindow", "Anzahl Zahlen/Zeile:"),
      .font = kSystem13Bold},
    C{.name = "Edit7",
      .kind = Kind::Edit,
      .geometry = {736, 544, 33, 21},
      .text = QT_TRANSLATE_NOOP("GraphWindow", "Edit7"),
      .accessibleName = QT_TRANSLATE_NOOP("GraphWindow", "Anzahl Zahlen/Zeile"),
      .tabOrder = 12},
    C{.name = "Label12",
      .kind = Kind::Label,
      .geometry = {592, 576, 24, 16},
      .text = QT_TRANSLATE_NOOP("GraphWindow", "von"),
      .font = kSystem13Bold},
    C{.name = "Edit8",
      .kind = Kind::Edit,
      .geometry = {624, 576, 65, 21},
      .text = QT_TRANSLATE_NOOP("GraphWindow", "Edit8"),
      .accessibleName = QT_TRANSLATE_NOOP("GraphWindow", "von"),
      .tabOrder = 13},
    C{.name = "Label13",
      .kind = Kind::Label,
      .geometry = {696, 576, 20, 16},
      .text = QT_TRANSLATE_NOOP("GraphWindow", "bis"),
      .font = kSystem13Bold},
    C{.name = "Edit9",
      .kind = Kind::Edit,
      .geometry = {720, 576, 65, 21},
      .text = QT_TRANSLATE_NOOP("GraphWindow", "Edit9"),
      .accessibleName = QT_TRANSLATE_NOOP("GraphWindow", "bis"),
      .tabOrder = 14},
};

}  // namespace

void GraphWindow::buildControls() {
    buildWindow<GraphWindow>(*this, kWindow, kControls);
    colorChoice = childNamed<ColorGrid>(*this, "Farbwahl");
    clearButton = childNamed<QPushButton>(*this, "BitBtn3");
    closeButton = childNamed<QPushButton>(*this, "BitBtn1");
    pictureBox = childNamed<PictureBox>(*this, "Bild");
    table = childNamed<TextGrid>(*this, "Tab");
    tableHeading = childNamed<QLabel>(*this, "Label1");
    fitOpening = childNamed<QLabel>(*this, "Label2");
    n = childNamed<EditField>(*this, "Edit1");
    fitSeparator = childNamed<QLabel>(*this, "Label3");
    p = childNamed<EditField>(*this, "Edit2");
    fitClosing = childNamed<QLabel>(*this, "Label4");
    sticksButton = childNamed<QPushButton>(*this, "graph1");
    histogramButton = childNamed<QPushButton>(*this, "graph2");
    observedMeanLabel = childNamed<QLabel>(*this, "Label5");
    observedMean = childNamed<EditField>(*this, "Edit3");
    binomialMeanLabel = childNamed<QLabel>(*this, "Label6");
    binomialMean = childNamed<EditField>(*this, "Edit4");
    observedDeviationLabel = childNamed<QLabel>(*this, "Label7");
    observedDeviation = childNamed<EditField>(*this, "Edit5");
    binomialDeviationLabel = childNamed<QLabel>(*this, "Label8");
    binomialDeviation = childNamed<EditField>(*this, "Edit6");
    stickChartCaption = childNamed<QLabel>(*this, "Label9");
    histogramCaption = childNamed<QLabel>(*this, "Label10");
    scannedRowLengthLabel = childNamed<QLabel>(*this, "Label11");
    scannedRowLength = childNamed<EditField>(*this, "Edit7");
    scannedLowerLabel = childNamed<QLabel>(*this, "Label12");
    scannedLower = childNamed<EditField>(*this, "Edit8");
    scannedUpperLabel = childNamed<QLabel>(*this, "Label13");
    scannedUpper = childNamed<EditField>(*this, "Edit9");
}

}  // namespace ui

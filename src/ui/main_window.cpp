#include "main_window.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QShortcut>
#include <array>

#include "core/conversions.h"
#include "ui/actions.h"
#include "ui/graph_window.h"
#include "ui/help_window.h"
#include "ui/scan_steps.h"
#include "ui/window_layout.h"

namespace ui {

namespace {

using C = Control<MainWindow>;
constexpr Font kSystemBold{"System", 13, true};

const Window kWindow{"MainWindow",
                     QT_TRANSLATE_NOOP("MainWindow", " Häufigkeit von Primzahlen"),
                     {10, 0},
                     {967, 678},
                     {"System", 13, false}};

// In the order of the window's controls.
const std::array kControls{
    C{.name = "ListBox1",
      .kind = Kind::ListView,
      .member = &MainWindow::rowList,
      .geometry = {0, 96, 967, 582},
      .accessibleName = QT_TRANSLATE_NOOP("MainWindow", "Zeilen und Häufigkeiten"),
      .font = {"Courier New", 15, true},
      .tabOrder = 7,
      .tabStop = false,
      .dockBottom = true,
      .rowHeight = 17},
    C{.name = "Edit1",
      .kind = Kind::LineEdit,
      .member = &MainWindow::upperBound,
      .geometry = {240, 12, 73, 24},
      .text = QT_TRANSLATE_NOOP("MainWindow", "45000"),
      .accessibleName = QT_TRANSLATE_NOOP("MainWindow", "bis"),
      .font = kSystemBold,
      .tabOrder = 4,
      .onKeyPress = &MainWindow::onUpperBoundKey},
    C{.name = "Label1",
      .kind = Kind::Label,
      .member = &MainWindow::lowerBoundLabel,
      .geometry = {9, 14, 114, 16},
      .text = QT_TRANSLATE_NOOP("MainWindow", "Primzahlen von : "),
      .font = kSystemBold},
    C{.name = "Label2",
      .kind = Kind::Label,
      .member = &MainWindow::upperBoundLabel,
      .geometry = {209, 14, 24, 16},
      .text = QT_TRANSLATE_NOOP("MainWindow", "bis ")},
    C{.name = "Label4",
      .kind = Kind::Label,
      .member = &MainWindow::firstNumberHeading,
      .geometry = {8, 59, 86, 16},
      .text = QT_TRANSLATE_NOOP("MainWindow", "Zahl 1.Spalte")},
    C{.name = "Label5",
      .kind = Kind::Label,
      .member = &MainWindow::rowLengthLabel,
      .geometry = {520, 59, 107, 16},
      .text = QT_TRANSLATE_NOOP("MainWindow", "Zahlen pro Zeile")},
    C{.name = "Label6",
      .kind = Kind::Label,
      .member = &MainWindow::countHeading,
      .geometry = {880, 48, 44, 16},
      .text = QT_TRANSLATE_NOOP("MainWindow", "Anzahl")},
    C{.name = "Label7",
      .kind = Kind::Label,
      .member = &MainWindow::primesPerRowHeading,
      .geometry = {840, 72, 116, 16},
      .text = QT_TRANSLATE_NOOP("MainWindow", "Primzahlen/Reihe")},
    C{.name = "Edit2",
      .kind = Kind::LineEdit,
      .member = &MainWindow::lowerBound,
      .geometry = {128, 12, 65, 24},
      .text = QT_TRANSLATE_NOOP("MainWindow", "1"),
      .accessibleName = QT_TRANSLATE_NOOP("MainWindow", "Primzahlen von"),
      .tabOrder = 3},
    C{.name = "Graph1",
      .kind = Kind::PushButton,
      .member = &MainWindow::graphButton,
      .geometry = {479, 8, 89, 33},
      .text = QT_TRANSLATE_NOOP("MainWindow", "&Graph"),
      .tabOrder = 1,
      .glyph = Glyph::Check,
      .role = Role::Default,
      .onClick = &MainWindow::onGraphClicked},
    C{.name = "BitBtn1",
      .kind = Kind::PushButton,
      .member = &MainWindow::computeButton,
      .geometry = {336, 8, 113, 33},
      .text = QT_TRANSLATE_NOOP("MainWindow", "&Berechnen"),
      .tabOrder = 0,
      .glyph = Glyph::Check,
      .onClick = &MainWindow::onComputeClicked},
    C{.name = "BitBtn2",
      .kind = Kind::PushButton,
      .member = &MainWindow::closeButton,
      .geometry = {850, 8, 95, 33},
      .text = QT_TRANSLATE_NOOP("MainWindow", "&Schließen"),
      .tabOrder = 2,
      .glyph = Glyph::Close,
      .onClick = &MainWindow::onCloseClicked},
    C{.name = "Label3",
      .kind = Kind::Label,
      .member = &MainWindow::markLegend,
      .geometry = {128, 59, 225, 16},
      .text = QT_TRANSLATE_NOOP("MainWindow", "O = Primzahl,    + = keine Primzahl")},
    C{.name = "ScrollBar1",
      .kind = Kind::ScrollBar,
      .member = &MainWindow::rowLengthBar,
      .geometry = {384, 56, 81, 25},
      .accessibleName = QT_TRANSLATE_NOOP("MainWindow", "Zahlen pro Zeile"),
      .tabOrder = 5,
      .tabStop = false,
      .minimum = 10,
      .maximum = 120,
      .position = 90,
      .onChange = &MainWindow::onRowLengthBarChanged},
    C{.name = "Edit3",
      .kind = Kind::LineEdit,
      .member = &MainWindow::rowLength,
      .geometry = {480, 56, 33, 24},
      .text = QT_TRANSLATE_NOOP("MainWindow", "90"),
      .accessibleName = QT_TRANSLATE_NOOP("MainWindow", "Zahlen pro Zeile"),
      .tabOrder = 6,
      .tabStop = false,
      .onKeyPress = &MainWindow::onRowLengthKey,
      .onEnter = &MainWindow::onRowLengthBarChanged},
    C{.name = "Label8",
      .kind = Kind::Label,
      .member = &MainWindow::limitNote,
      .geometry = {8, 32, 80, 16},
      .text = QT_TRANSLATE_NOOP("MainWindow", "<10 000 001"),
      .font = kSystemBold},
};

}  // namespace

MainWindow::MainWindow(ui::SharedState& state, ui::FailureReporter reporter, QWidget* parent)
    : QWidget(parent), m_state(state), m_report(std::move(reporter)) {
    setObjectName(QStringLiteral("Form1"));
    if (!m_report) {
        m_report = ui::messageBoxReporter(this);
    }
    buildWindow<MainWindow>(*this, kWindow, kControls);
    lowerBoundLabel->setBuddy(lowerBound);
    upperBoundLabel->setBuddy(upperBound);
    rowLengthLabel->setBuddy(rowLength);
    createActions();
    // The row length and the list have no tab stop; these keys reach them.
    for (const auto& [key, control] :
         {std::pair<Qt::Key, QWidget*>{Qt::Key_Z, rowLength}, {Qt::Key_L, rowList}}) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | key), this);
        connect(shortcut, &QShortcut::activated, control,
                [control] { control->setFocus(Qt::ShortcutFocusReason); });
    }
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [this] { showHelp(*this); });
    // Alt+B scans in every language; where the caption underlines another letter ("&Compute"),
    // a shortcut keeps it beside that letter.
    const QKeySequence scanKey(Qt::ALT | Qt::Key_B);
    if (QKeySequence::mnemonic(computeButton->text()) != scanKey) {
        connect(new QShortcut(scanKey, this), &QShortcut::activated, computeButton,
                &QAbstractButton::click);
    }
    computeButton->setFocus();
}

void MainWindow::createActions() {
    copyLinesAction = makeAction(rowList, tr("&Kopieren"), this, &MainWindow::copyLines,
                                 QKeySequence::Copy, Qt::WidgetShortcut);
    selectAllLinesAction =
        makeAction(rowList, tr("&Alles auswählen"), this, &MainWindow::selectAllLines,
                   QKeySequence::SelectAll, Qt::WidgetShortcut);
    saveListAction = makeAction(rowList, tr("Liste &speichern unter …"), this,
                                &MainWindow::saveList, QKeySequence::Save, Qt::WindowShortcut);
    rowList->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void MainWindow::selectAllLines() {
    rowList->selectAll();
}

void MainWindow::copyLines() {
    // Nothing selected leaves the clipboard as it was.
    if (!rowList->selectionModel()->hasSelection()) {
        return;
    }
    QGuiApplication::clipboard()->setText(
        core::linesText(rowList->items().lines(), rowList->selectedRanges()));
}

void MainWindow::saveList() {
    saveThroughDialog(this, m_askWhereToSave,
                      {tr("Liste speichern unter"),
                       resultFileName(m_state.lastScan, QStringLiteral("txt")),
                       {{tr("Textdatei (*.txt)"), QStringLiteral("txt")}}},
                      tr("Die Liste"), m_report, [this](QIODevice& device, std::size_t) {
                          core::writeLines(rowList->items().lines(), device);
                      });
}

void MainWindow::scan() {
    ui::scanIntoFields({*upperBound, *lowerBound, *rowLength, rowList->items()}, m_state);
}

void MainWindow::onComputeClicked() {
    ui::runHandler(m_report, [this] {
        scan();
        m_state.scanned = true;
    });
}

void MainWindow::onUpperBoundKey(char16_t key) {
    if (key == u'\r') {
        onComputeClicked();
    }
}

void MainWindow::onGraphClicked() {
    if (!m_state.scanned || m_graphWindow == nullptr) {
        return;
    }
    ui::runHandler(m_report, [this] {
        m_graphWindow->showInFront();
        m_graphWindow->redraw();
    });
}

void MainWindow::onRowLengthBarChanged() {
    rowLength->setFieldText(QString::number(rowLengthBar->value()));
    rowLengthBar->setValue(core::parseInteger(rowLength->fieldText()));
    m_state.rowLength = core::parseInteger(rowLength->fieldText());
}

void MainWindow::onRowLengthKey(char16_t key) {
    if (key != u'\r') {
        return;
    }
    // The bar clamps to 10..120 and runs onRowLengthBarChanged only when its position changes.
    ui::runHandler(m_report,
                   [this] { rowLengthBar->setValue(core::parseInteger(rowLength->fieldText())); });
}

void MainWindow::onCloseClicked() {
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    frameFirstFocus(*this, *event, m_activated);
}

}  // namespace ui

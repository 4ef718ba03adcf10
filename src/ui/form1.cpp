#include "form1.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QShortcut>
#include <array>

#include "ui/scan_steps.h"
#include "core/conversions.h"
#include "ui/form2.h"
#include "ui/form_layout.h"
#include "ui/help_window.h"

namespace ui {

namespace {

using C = Control<TForm1>;
constexpr Font kSystemBold{"System", 13, true};

const Window kWindow{u" Häufigkeit von Primzahlen", {10, 0}, {967, 678}, {"System", 13, false}};

// In the order of the window's controls.
const std::array kControls{
    C{.name = "ListBox1",
      .kind = Kind::ListBox,
      .geometry = {0, 96, 967, 582},
      .accessibleName = u"Zeilen und Häufigkeiten",
      .font = {"Courier New", 15, true},
      .tabOrder = 7,
      .tabStop = false,
      .dockBottom = true,
      .rowHeight = 17},
    C{.name = "Edit1",
      .kind = Kind::Edit,
      .geometry = {240, 12, 73, 24},
      .text = u"45000",
      .accessibleName = u"bis",
      .font = kSystemBold,
      .tabOrder = 4,
      .OnKeyPress = &TForm1::Edit1KeyPress},
    C{.name = "Label1",
      .kind = Kind::Label,
      .geometry = {9, 14, 114, 16},
      .text = u"Primzahlen von : ",
      .font = kSystemBold},
    C{.name = "Label2", .kind = Kind::Label, .geometry = {209, 14, 24, 16}, .text = u"bis "},
    C{.name = "Label4", .kind = Kind::Label, .geometry = {8, 59, 86, 16}, .text = u"Zahl 1.Spalte"},
    C{.name = "Label5",
      .kind = Kind::Label,
      .geometry = {520, 59, 107, 16},
      .text = u"Zahlen pro Zeile"},
    C{.name = "Label6", .kind = Kind::Label, .geometry = {880, 48, 44, 16}, .text = u"Anzahl"},
    C{.name = "Label7",
      .kind = Kind::Label,
      .geometry = {840, 72, 116, 16},
      .text = u"Primzahlen/Reihe"},
    C{.name = "Edit2",
      .kind = Kind::Edit,
      .geometry = {128, 12, 65, 24},
      .text = u"1",
      .accessibleName = u"Primzahlen von",
      .tabOrder = 3},
    C{.name = "Graph1",
      .kind = Kind::Button,
      .geometry = {479, 8, 89, 33},
      .text = u"&Graph",
      .tabOrder = 1,
      .glyph = Glyph::Check,
      .role = Role::Default,
      .OnClick = &TForm1::Graph1Click},
    C{.name = "BitBtn1",
      .kind = Kind::Button,
      .geometry = {336, 8, 113, 33},
      .text = u"&Berechnen",
      .tabOrder = 0,
      .glyph = Glyph::Check,
      .OnClick = &TForm1::BitBtn1Click},
    C{.name = "BitBtn2",
      .kind = Kind::Button,
      .geometry = {850, 8, 95, 33},
      .text = u"&Schließen",
      .tabOrder = 2,
      .glyph = Glyph::Close,
      .OnClick = &TForm1::BitBtn2Click},
    C{.name = "Label3",
      .kind = Kind::Label,
      .geometry = {128, 59, 225, 16},
      .text = u"O = Primzahl,    + = keine Primzahl"},
    C{.name = "ScrollBar1",
      .kind = Kind::ScrollBar,
      .geometry = {384, 56, 81, 25},
      .accessibleName = u"Zahlen pro Zeile",
      .tabOrder = 5,
      .tabStop = false,
      .minimum = 10,
      .maximum = 120,
      .position = 90,
      .OnChange = &TForm1::ScrollBar1Change},
    C{.name = "Edit3",
      .kind = Kind::Edit,
      .geometry = {480, 56, 33, 24},
      .text = u"90",
      .accessibleName = u"Zahlen pro Zeile",
      .tabOrder = 6,
      .tabStop = false,
      .OnKeyPress = &TForm1::Edit3KeyPress,
      .OnEnter = &TForm1::ScrollBar1Change},
    C{.name = "Label8",
      .kind = Kind::Label,
      .geometry = {8, 32, 80, 16},
      .text = u"<10 000 001",
      .font = kSystemBold},
};

}  // namespace

TForm1::TForm1(ui::SharedState& state, ui::FailureReporter reporter, QWidget* parent)
    : QWidget(parent), m_state(state), m_report(std::move(reporter)) {
    setObjectName(QStringLiteral("Form1"));
    if (!m_report) {
        m_report = ui::MessageBoxReporter(this);
    }
    BuildForm<TForm1>(*this, kWindow, kControls);
    ListBox1 = Child<TListBox>(*this, "ListBox1");
    Edit1 = Child<TEdit>(*this, "Edit1");
    Label1 = Child<QLabel>(*this, "Label1");
    Label2 = Child<QLabel>(*this, "Label2");
    Label4 = Child<QLabel>(*this, "Label4");
    Label5 = Child<QLabel>(*this, "Label5");
    Label6 = Child<QLabel>(*this, "Label6");
    Label7 = Child<QLabel>(*this, "Label7");
    Edit2 = Child<TEdit>(*this, "Edit2");
    Graph1 = Child<QPushButton>(*this, "Graph1");
    BitBtn1 = Child<QPushButton>(*this, "BitBtn1");
    BitBtn2 = Child<QPushButton>(*this, "BitBtn2");
    Label3 = Child<QLabel>(*this, "Label3");
    ScrollBar1 = Child<QScrollBar>(*this, "ScrollBar1");
    Edit3 = Child<TEdit>(*this, "Edit3");
    Label8 = Child<QLabel>(*this, "Label8");
    Label1->setBuddy(Edit2);
    Label2->setBuddy(Edit1);
    Label5->setBuddy(Edit3);
    createActions();
    // The row length and the list have no tab stop; these keys reach them.
    for (const auto& [key, control] :
         {std::pair<Qt::Key, QWidget*>{Qt::Key_Z, Edit3}, {Qt::Key_L, ListBox1}}) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | key), this);
        connect(shortcut, &QShortcut::activated, control,
                [control] { control->setFocus(Qt::ShortcutFocusReason); });
    }
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [this] { ShowHelp(*this); });
    BitBtn1->setFocus();
}

void TForm1::createActions() {
    const auto add = [this](const QString& text, QKeySequence::StandardKey key,
                            Qt::ShortcutContext context, void (TForm1::*slot)()) {
        auto* action = new QAction(text, ListBox1);
        action->setShortcut(key);
        action->setShortcutContext(context);
        connect(action, &QAction::triggered, this, slot);
        ListBox1->addAction(action);
        return action;
    };
    ListeKopieren = add(QStringLiteral("&Kopieren"), QKeySequence::Copy, Qt::WidgetShortcut,
                        &TForm1::CopyLines);
    ListeAllesAuswaehlen = add(QStringLiteral("&Alles auswählen"), QKeySequence::SelectAll,
                               Qt::WidgetShortcut, &TForm1::SelectAllLines);
    ListeSpeichern = add(QStringLiteral("Liste &speichern unter …"), QKeySequence::Save,
                         Qt::WindowShortcut, &TForm1::SaveList);
    ListBox1->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void TForm1::SelectAllLines() {
    ListBox1->selectAll();
}

void TForm1::CopyLines() {
    // Nothing selected leaves the clipboard as it was.
    if (!ListBox1->selectionModel()->hasSelection()) {
        return;
    }
    QGuiApplication::clipboard()->setText(
        core::linesText(ListBox1->items().lines(), ListBox1->SelectedRanges()));
}

void TForm1::SaveList() {
    SaveThroughDialog(this, m_askWhereToSave,
                      {QStringLiteral("Liste speichern unter"),
                       ResultFileName(m_state.Gescannt, QStringLiteral("txt")),
                       {{QStringLiteral("Textdatei (*.txt)"), QStringLiteral("txt")}}},
                      QStringLiteral("Die Liste"), m_report,
                      [this](QIODevice& device, std::size_t) {
                          core::writeLines(ListBox1->items().lines(), device);
                      });
}

void TForm1::Berechnen() {
    ui::Berechnen({*Edit1, *Edit2, *Edit3, ListBox1->items()}, m_state);
}

void TForm1::BitBtn1Click() {
    ui::RunHandler(m_report, [this] {
        Berechnen();
        m_state.Berechnet = 1;
    });
}

void TForm1::Edit1KeyPress(char16_t key) {
    if (key == u'\r') {
        BitBtn1Click();
    }
}

void TForm1::Graph1Click() {
    if (m_state.Berechnet != 1 || Form2 == nullptr) {
        return;
    }
    ui::RunHandler(m_report, [this] {
        Form2->Show();
        Form2->FullRedraw();
    });
}

void TForm1::ScrollBar1Change() {
    Edit3->SetText(core::formatInteger(ScrollBar1->value()));
    ScrollBar1->setValue(core::parseInteger(Edit3->Text()));
    m_state.ZahlenProZeile = core::parseInteger(Edit3->Text());
}

void TForm1::Edit3KeyPress(char16_t key) {
    if (key != u'\r') {
        return;
    }
    // The bar clamps to 10..120 and runs ScrollBar1Change only when its position changes.
    ui::RunHandler(m_report, [this] { ScrollBar1->setValue(core::parseInteger(Edit3->Text())); });
}

void TForm1::BitBtn2Click() {
    close();
}

void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();
}

void TForm1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    FrameFirstFocus(*this, *event, m_activated);
}

}  // namespace ui

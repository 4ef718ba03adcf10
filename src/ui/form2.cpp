#include "form2.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <array>

#include "core/table_text.h"
#include "core/save_file.h"
#include "ui/form_layout.h"
#include "ui/help_window.h"

namespace ui {

namespace {

using C = Control<TForm2>;
constexpr Font kSystem13Bold{"System", 13, true};
constexpr Font kSystem16Bold{"System", 16, true};
constexpr Font kSystem11Bold{"System", 11, true};
constexpr Font kSansSerif13Bold{"MS Sans Serif", 13, true};

const Window kWindow{
    u" Graphische Darstellung und Tabelle", {213, 3}, {803, 702}, {"MS Sans Serif", 11, false}};

// In the order of the window's controls.
const std::array kControls{
    C{.name = "Farbwahl",
      .kind = Kind::ColorGrid,
      .geometry = {344, 628, 136, 36},
      .accessibleName = u"Farbwahl",
      .tabOrder = 0},
    C{.name = "BitBtn3",
      .kind = Kind::Button,
      .geometry = {19, 628, 126, 38},
      .text = u"Graphen &Löschen",
      .tabOrder = 1,
      .glyph = Glyph::Cancel,
      .role = Role::Cancel,
      .OnClick = &TForm2::BitBtn3Click},
    C{.name = "BitBtn1",
      .kind = Kind::Button,
      .geometry = {682, 628, 103, 38},
      .text = u"&Schließen",
      .tabOrder = 4,
      .glyph = Glyph::Close,
      .OnClick = &TForm2::BitBtn1Click},
    C{.name = "Bild",
      .kind = Kind::Image,
      .geometry = {16, 8, 769, 377},
      .accessibleName = u"Diagramm von h(x) und B(n;p)"},
    C{.name = "Tab",
      .kind = Kind::StringGrid,
      .geometry = {16, 432, 761, 81},
      .accessibleName = u"Tabelle von h(x) und B(n;p)",
      .font = {"Arial", 11, false},
      .tabOrder = 5,
      .tabStop = false,
      .cells = {20, 3},
      .cellSize = {37, 25}},
    C{.name = "Label1",
      .kind = Kind::Label,
      .geometry = {16, 400, 540, 16},
      .text = u"Relative Häufigkeit h(x) der Primzahlen und zugeordnete Binomialverteilung B(n;p):",
      .font = kSystem13Bold},
    C{.name = "Label2",
      .kind = Kind::Label,
      .geometry = {568, 400, 14, 16},
      .text = u"B(",
      .font = kSystem16Bold},
    C{.name = "Edit1",
      .kind = Kind::Edit,
      .geometry = {584, 398, 33, 24},
      .text = u"20",
      .accessibleName = u"n",
      .font = kSystem16Bold,
      .tabOrder = 6,
      .tabStop = false,
      .OnKeyPress = &TForm2::Edit1KeyPress},
    C{.name = "Label3",
      .kind = Kind::Label,
      .geometry = {616, 400, 4, 16},
      .text = u";",
      .font = kSystem16Bold},
    C{.name = "Edit2",
      .kind = Kind::Edit,
      .geometry = {624, 398, 57, 24},
      .text = u"0,32",
      .accessibleName = u"p",
      .font = kSystem16Bold,
      .tabOrder = 7,
      .tabStop = false,
      .OnKeyPress = &TForm2::Edit2KeyPress},
    C{.name = "Label4",
      .kind = Kind::Label,
      .geometry = {688, 400, 4, 16},
      .text = u")",
      .font = kSystem16Bold},
    C{.name = "graph1",
      .kind = Kind::Button,
      .geometry = {207, 628, 122, 37},
      .text = u"Zeichne &h(x)",
      .tabOrder = 2,
      .glyph = Glyph::Check,
      .role = Role::Default,
      .OnClick = &TForm2::graph1Click},
    C{.name = "graph2",
      .kind = Kind::Button,
      .geometry = {496, 628, 122, 37},
      .text = u"Zeichne &B(n;p)",
      .tabOrder = 3,
      .glyph = Glyph::Check,
      .OnClick = &TForm2::graph2Click},
    C{.name = "Label5",
      .kind = Kind::Label,
      .geometry = {16, 544, 160, 16},
      .text = u"Erwartungswert von h(x):",
      .font = kSystem11Bold},
    C{.name = "Edit3",
      .kind = Kind::Edit,
      .geometry = {216, 544, 49, 21},
      .text = u"Edit3",
      .accessibleName = u"Erwartungswert von h(x)",
      .tabOrder = 8,
      .tabStop = false},
    C{.name = "Label6",
      .kind = Kind::Label,
      .geometry = {296, 544, 174, 16},
      .text = u"Erwartungswert von B(n:p):",
      .font = kSystem11Bold},
    C{.name = "Edit4",
      .kind = Kind::Edit,
      .geometry = {512, 544, 49, 21},
      .text = u"Edit4",
      .accessibleName = u"Erwartungswert von B(n;p)",
      .tabOrder = 10,
      .tabStop = false},
    C{.name = "Label7",
      .kind = Kind::Label,
      .geometry = {16, 576, 195, 16},
      .text = u"Standardabweichung von h(x):",
      .font = kSystem16Bold},
    C{.name = "Edit5",
      .kind = Kind::Edit,
      .geometry = {216, 576, 49, 21},
      .text = u"Edit5",
      .accessibleName = u"Standardabweichung von h(x)",
      .tabOrder = 9,
      .tabStop = false},
    C{.name = "Label8",
      .kind = Kind::Label,
      .geometry = {296, 576, 209, 16},
      .text = u"Standardabweichung von B(n;p):",
      .font = kSystem16Bold},
    C{.name = "Edit6",
      .kind = Kind::Edit,
      .geometry = {512, 576, 49, 21},
      .text = u"Edit6",
      .accessibleName = u"Standardabweichung von B(n;p)",
      .tabOrder = 11,
      .tabStop = false},
    C{.name = "Label9",
      .kind = Kind::Label,
      .geometry = {216, 672, 102, 16},
      .text = u"Stabdiagramm",
      .font = kSansSerif13Bold},
    C{.name = "Label10",
      .kind = Kind::Label,
      .geometry = {520, 672, 84, 16},
      .text = u"Histogramm",
      .font = kSansSerif13Bold},
    C{.name = "Label11",
      .kind = Kind::Label,
      .geometry = {592, 544, 134, 16},
      .text = u"Anzahl Zahlen/Zeile:",
      .font = kSystem13Bold},
    C{.name = "Edit7",
      .kind = Kind::Edit,
      .geometry = {736, 544, 33, 21},
      .text = u"Edit7",
      .accessibleName = u"Anzahl Zahlen/Zeile",
      .tabOrder = 12},
    C{.name = "Label12",
      .kind = Kind::Label,
      .geometry = {592, 576, 24, 16},
      .text = u"von",
      .font = kSystem13Bold},
    C{.name = "Edit8",
      .kind = Kind::Edit,
      .geometry = {624, 576, 65, 21},
      .text = u"Edit8",
      .accessibleName = u"von",
      .tabOrder = 13},
    C{.name = "Label13",
      .kind = Kind::Label,
      .geometry = {696, 576, 20, 16},
      .text = u"bis",
      .font = kSystem13Bold},
    C{.name = "Edit9",
      .kind = Kind::Edit,
      .geometry = {720, 576, 65, 21},
      .text = u"Edit9",
      .accessibleName = u"bis",
      .tabOrder = 14},
};

}  // namespace

TForm2::TForm2(ui::SharedState& state, graphics::ChartState& chart,
               ui::FailureReporter reporter, QWidget* parent)
    : QWidget(parent), m_state(state), m_chart(chart), m_report(std::move(reporter)) {
    setObjectName(QStringLiteral("Form2"));
    if (!m_report) {
        m_report = ui::MessageBoxReporter(this);
    }
    BuildForm<TForm2>(*this, kWindow, kControls);
    Farbwahl = Child<TColorGrid>(*this, "Farbwahl");
    BitBtn3 = Child<QPushButton>(*this, "BitBtn3");
    BitBtn1 = Child<QPushButton>(*this, "BitBtn1");
    Bild = Child<TImage>(*this, "Bild");
    Tab = Child<TStringGrid>(*this, "Tab");
    Label1 = Child<QLabel>(*this, "Label1");
    Label2 = Child<QLabel>(*this, "Label2");
    Edit1 = Child<TEdit>(*this, "Edit1");
    Label3 = Child<QLabel>(*this, "Label3");
    Edit2 = Child<TEdit>(*this, "Edit2");
    Label4 = Child<QLabel>(*this, "Label4");
    graph1 = Child<QPushButton>(*this, "graph1");
    graph2 = Child<QPushButton>(*this, "graph2");
    Label5 = Child<QLabel>(*this, "Label5");
    Edit3 = Child<TEdit>(*this, "Edit3");
    Label6 = Child<QLabel>(*this, "Label6");
    Edit4 = Child<TEdit>(*this, "Edit4");
    Label7 = Child<QLabel>(*this, "Label7");
    Edit5 = Child<TEdit>(*this, "Edit5");
    Label8 = Child<QLabel>(*this, "Label8");
    Edit6 = Child<TEdit>(*this, "Edit6");
    Label9 = Child<QLabel>(*this, "Label9");
    Label10 = Child<QLabel>(*this, "Label10");
    Label11 = Child<QLabel>(*this, "Label11");
    Edit7 = Child<TEdit>(*this, "Edit7");
    Label12 = Child<QLabel>(*this, "Label12");
    Edit8 = Child<TEdit>(*this, "Edit8");
    Label13 = Child<QLabel>(*this, "Label13");
    Edit9 = Child<TEdit>(*this, "Edit9");
    createActions();
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [this] { ShowHelp(*this); });
    // The n and p fields have no tab stop; these keys reach them.
    for (const auto& [key, field] : {std::pair{Qt::Key_N, Edit1}, {Qt::Key_P, Edit2}}) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | key), this);
        connect(shortcut, &QShortcut::activated, field,
                [field] { field->setFocus(Qt::ShortcutFocusReason); });
    }
}

void TForm2::createActions() {
    const auto add = [this](QWidget* owner, const QString& text, void (TForm2::*slot)(),
                            QKeySequence::StandardKey key = QKeySequence::UnknownKey) {
        auto* action = new QAction(text, owner);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        owner->addAction(action);
        return action;
    };
    BildKopieren =
        add(Bild, QStringLiteral("Bild &kopieren"), &TForm2::CopyPicture, QKeySequence::Copy);
    BildSpeichern = add(Bild, QStringLiteral("Bild &speichern unter …"), &TForm2::SavePicture,
                        QKeySequence::Save);
    BildDrucken =
        add(Bild, QStringLiteral("&Drucken …"), &TForm2::PrintPicture, QKeySequence::Print);
    for (QAction* action : {BildKopieren, BildSpeichern, BildDrucken}) {
        action->setEnabled(Bild->picture().isDrawn());
    }
    auto* separator = new QAction(Bild);
    separator->setSeparator(true);
    Bild->addAction(separator);
    TabelleKopieren = add(Tab, QStringLiteral("Tabelle &kopieren"), &TForm2::CopyTable);
    TabelleSpeichern = add(Tab, QStringLiteral("Tabelle speichern unter …"), &TForm2::SaveTable);
    ErgebnisseKopieren = add(Tab, QStringLiteral("&Ergebnisse kopieren"), &TForm2::CopyResults);
    Bild->addAction(ErgebnisseKopieren);
    ModelleEinblenden = new QAction(QStringLiteral("&Modelle einblenden"), Bild);
    ModelleEinblenden->setCheckable(true);
    ModelleEinblenden->setShortcut(QKeySequence(Qt::ALT | Qt::Key_M));
    ModelleEinblenden->setShortcutContext(Qt::WindowShortcut);
    connect(ModelleEinblenden, &QAction::toggled, this, &TForm2::ShowModels);
    Bild->addAction(ModelleEinblenden);
    Bild->setContextMenuPolicy(Qt::ActionsContextMenu);
    Tab->setContextMenuPolicy(Qt::ActionsContextMenu);
    Bild->picture().onFirstUse([this] {
        for (QAction* action : {BildKopieren, BildSpeichern, BildDrucken}) {
            action->setEnabled(true);
        }
    });
}

void TForm2::CopyTable() {
    QGuiApplication::clipboard()->setText(core::tableTsv(ChartTexts().table));
}

void TForm2::SaveTable() {
    SaveThroughDialog(this, m_askWhereToSave,
                      {QStringLiteral("Tabelle speichern unter"),
                       ResultFileName(m_state.Gescannt, QStringLiteral("csv")),
                       {{QStringLiteral("CSV-Datei (*.csv)"), QStringLiteral("csv")}}},
                      QStringLiteral("Die Tabelle"), m_report,
                      [this](QIODevice& device, std::size_t) {
                          core::writeAll(device, core::tableCsv(ChartTexts().table));
                      });
}

void TForm2::CopyResults() {
    QGuiApplication::clipboard()->setText(core::resultsText(ResultFields()));
}

void TForm2::CopyPicture() {
    if (!Bild->picture().isDrawn()) {
        return;
    }
    auto* data = new QMimeData;
    data->setImageData(Bild->picture().raster(devicePixelRatioF()));
    data->setData(QStringLiteral("image/svg+xml"),
                  graphics::chartSvg(Bild->picture().drawing()));
    QGuiApplication::clipboard()->setMimeData(data);
}

void TForm2::SavePicture() {
    if (!Bild->picture().isDrawn()) {
        return;
    }
    using graphics::ChartFormat;
    // PNG at twice the window's size first: sharp in print and on scaled screens.
    static const std::array<std::pair<ChartFormat, double>, 4> kFormats{{{ChartFormat::Png, 2.0},
                                                                         {ChartFormat::Png, 1.0},
                                                                         {ChartFormat::Svg, 1.0},
                                                                         {ChartFormat::Pdf, 1.0}}};
    const SaveQuestion question{
        QStringLiteral("Bild speichern unter"),
        ResultFileName(m_state.Gescannt, QStringLiteral("png")),
        {{QStringLiteral("PNG-Bild, doppelte Auflösung (*.png)"), QStringLiteral("png")},
         {QStringLiteral("PNG-Bild, einfache Auflösung (*.png)"), QStringLiteral("png")},
         {QStringLiteral("SVG-Vektorgrafik (*.svg)"), QStringLiteral("svg")},
         {QStringLiteral("PDF-Dokument (*.pdf)"), QStringLiteral("pdf")}}};
    const graphics::ChartTexts texts = ChartTexts();
    SaveThroughDialog(this, m_askWhereToSave, question, QStringLiteral("Das Bild"), m_report,
                      [&](QIODevice& device, std::size_t type) {
                          const auto [format, scale] = kFormats.at(type);
                          graphics::writeChart(device, format, Bild->picture().drawing(), scale,
                                                   texts);
                      });
}

QString TForm2::WritePicture(const PictureFile& file) const {
    if (!Bild->picture().isDrawn()) {
        return QStringLiteral("Es ist noch kein Bild gezeichnet.");
    }
    const graphics::ChartTexts texts = ChartTexts();
    return SaveAs(QStringLiteral("Das Bild"), file.path, [&](QIODevice& device) {
        graphics::writeChart(device, file.format, Bild->picture().drawing(), file.scale, texts);
    });
}

void TForm2::PrintPicture() {
    if (!Bild->picture().isDrawn()) {
        return;
    }
    auto* preview = new QPrintPreviewDialog(this);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowTitle(QStringLiteral("Druckvorschau"));
    preview->printer()->setPageOrientation(QPageLayout::Landscape);
    preview->printer()->setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    preview->printer()->setDocName(QStringLiteral("Primzeilen"));
    // The page shows the chart as it was when the preview opened.
    connect(preview, &QPrintPreviewDialog::paintRequested, preview,
            [drawing = Bild->picture().drawing(), texts = ChartTexts()](QPrinter* printer) {
                graphics::paintChartPage(*printer, drawing, texts);
            });
    preview->open();
}

void TForm2::PaintPrintPage(QPrinter& printer) const {
    if (!Bild->picture().isDrawn()) {
        return;
    }
    graphics::paintChartPage(printer, Bild->picture().drawing(), ChartTexts());
}

std::vector<std::pair<QString, QString>> TForm2::ResultFields() const {
    const auto label = [](const QLabel* label) {
        QString text = label->text();
        if (text.endsWith(u':')) {
            text.chop(1);
        }
        return text;
    };
    return {{QStringLiteral("n"), Edit1->text()}, {QStringLiteral("p"), Edit2->text()},
            {label(Label5), Edit3->text()},       {label(Label6), Edit4->text()},
            {label(Label7), Edit5->text()},       {label(Label8), Edit6->text()},
            {label(Label11), Edit7->text()},      {label(Label12), Edit8->text()},
            {label(Label13), Edit9->text()}};
}

graphics::ChartTexts TForm2::ChartTexts() const {
    graphics::ChartTexts texts;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < Tab->columnCount(); ++column) {
            texts.table[static_cast<std::size_t>(row)].append(Tab->Cell(column, row));
        }
    }
    // n and p; the two means; the two deviations; the scanned rows.
    const auto fields = ResultFields();
    for (const auto& column : {std::vector{0, 1}, {2, 4}, {3, 5}, {6, 7, 8}}) {
        auto& placed = texts.fieldColumns.emplace_back();
        for (const int field : column) {
            placed.push_back(fields[static_cast<std::size_t>(field)]);
        }
    }
    return texts;
}

ui::GraphControls TForm2::controls() {
    return {*Tab,
            {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9},
            Bild->picture(),
            *Farbwahl};
}

double TForm2::mean() const {
    return core::mean(m_state.RelHaeufigkeit);
}

double TForm2::standardDeviation() const {
    return core::standardDeviation(m_state.RelHaeufigkeit);
}

void TForm2::FuelleTabelle() {
    const ui::GraphControls graph = controls();
    ui::FuelleTabelle({graph.Tab, graph.Edit}, m_state.RelHaeufigkeit, m_state.Gescannt);
}

// Each drawing step asks for the picture to be shown before it draws, so whatever it drew
// appears at the next paint, also when it fails halfway.

void TForm2::drawAxes() {
    Bild->update();
    graphics::drawAxes(Bild->picture(), m_chart);
}

void TForm2::drawStickChart() {
    Bild->update();
    graphics::drawStickChart(Bild->picture(), m_chart, Farbwahl->ForegroundIndex(),
                                      m_state.RelHaeufigkeit);
}

void TForm2::drawHistogram() {
    Bild->update();
    graphics::drawHistogram(Bild->picture(), m_chart, Farbwahl->ForegroundIndex(), Edit1->Text(), Edit2->Text());
}

void TForm2::Show() {
    show();
    raise();
    activateWindow();
}

void TForm2::Clear() {
    Bild->update();
    graphics::clearPicture(Bild->picture());
}

void TForm2::FullRedraw() {
    Bild->update();
    ui::FullRedraw(controls(), m_chart, m_state);
    if (m_showModels) {
        const ui::ScannedRange& scanned = m_state.Gescannt;
        const bool known = m_models && m_models->first.ZahlenProZeile == scanned.ZahlenProZeile &&
                           m_models->first.Von == scanned.Von && m_models->first.Bis == scanned.Bis;
        if (!known) {
            m_models.emplace(scanned, core::computeModels(core::modelRows(
                                          {scanned.Von, scanned.Bis,
                                           static_cast<std::uint32_t>(scanned.ZahlenProZeile)})));
        }
        graphics::drawModels(
            Bild->picture(), m_chart,
            core::compareModels(m_models->second, m_state.RelHaeufigkeit));
    }
}

void TForm2::ShowModels(bool shown) {
    m_showModels = shown;
    ModelleEinblenden->setChecked(shown);
    // Redrawn from the last scan, with or without the models; before any scan nothing is drawn.
    if (m_state.Gescannt.ZahlenProZeile > 0 && Bild->picture().isDrawn()) {
        ui::RunHandler(m_report, [this] { FullRedraw(); });
    }
}

void TForm2::BitBtn3Click() {
    ui::RunHandler(m_report, [this] {
        Clear();
        drawAxes();
    });
}

void TForm2::graph1Click() {
    ui::RunHandler(m_report, [this] {
        Show();
        FuelleTabelle();
        drawStickChart();
    });
}

void TForm2::graph2Click() {
    ui::RunHandler(m_report, [this] {
        Show();
        FuelleTabelle();
        drawHistogram();
    });
}

void TForm2::Edit1KeyPress(char16_t key) {
    if (key == u'\r') {
        ui::RunHandler(m_report, [this] { FullRedraw(); });
    }
}

void TForm2::Edit2KeyPress(char16_t key) {
    if (key == u'\r') {
        ui::RunHandler(m_report, [this] {
            repaint();
            FullRedraw();
        });
    }
}

void TForm2::BitBtn1Click() {
    close();
}

void TForm2::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    FrameFirstFocus(*this, *event, m_activated);
}

}  // namespace ui

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
#include <array>

#include "shell/save_file.h"
#include "ui/form_layout.h"

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

TForm2::TForm2(shell::SharedState& state, distribution::ChartState& chart, shell::FailureReporter reporter, QWidget* parent)
    : QWidget(parent),
      m_state(state),
      m_chart(chart),
      m_report(std::move(reporter)) {
    setObjectName(QStringLiteral("Form2"));
    if (!m_report) {
        m_report = shell::MessageBoxReporter(this);
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
    createPictureActions();
}

void TForm2::createPictureActions() {
    const auto add = [this](const QString& text, QKeySequence::StandardKey key,
                            void (TForm2::*slot)()) {
        auto* action = new QAction(text, Bild);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setEnabled(Bild->picture().IsDrawn());
        connect(action, &QAction::triggered, this, slot);
        Bild->addAction(action);
        return action;
    };
    BildKopieren = add(QStringLiteral("Bild &kopieren"), QKeySequence::Copy, &TForm2::CopyPicture);
    BildSpeichern =
        add(QStringLiteral("Bild &speichern unter …"), QKeySequence::Save, &TForm2::SavePicture);
    BildDrucken = add(QStringLiteral("&Drucken …"), QKeySequence::Print, &TForm2::PrintPicture);
    Bild->setContextMenuPolicy(Qt::ActionsContextMenu);
    Bild->picture().OnFirstUse([this] {
        for (QAction* action : {BildKopieren, BildSpeichern, BildDrucken}) {
            action->setEnabled(true);
        }
    });
}

void TForm2::CopyPicture() {
    if (!Bild->picture().IsDrawn()) {
        return;
    }
    auto* data = new QMimeData;
    data->setImageData(Bild->picture().Raster(devicePixelRatioF()));
    data->setData(QStringLiteral("image/svg+xml"),
                  distribution::ChartSvg(Bild->picture().drawing()));
    QGuiApplication::clipboard()->setMimeData(data);
}

QString TForm2::pictureFileName(const QString& suffix) const {
    // Only while the fields hold a scanned range: before the first fit they hold their names.
    bool numbers = true;
    for (const TEdit* field : {Edit8, Edit9, Edit7}) {
        bool isNumber = false;
        field->text().toLongLong(&isNumber);
        numbers = numbers && isNumber;
    }
    const QString stem =
        numbers
            ? QStringLiteral("primzeilen_%1_%2_%3").arg(Edit8->text(), Edit9->text(), Edit7->text())
            : QStringLiteral("primzeilen");
    return stem + u'.' + suffix;
}

void TForm2::SavePicture() {
    if (!Bild->picture().IsDrawn()) {
        return;
    }
    const std::optional<PictureFile> file =
        m_askForFile(this, LastPictureFolder(), pictureFileName(QStringLiteral("png")));
    if (!file) {
        return;
    }
    RememberPictureFolder(QFileInfo(file->path).absolutePath());
    const QString failure = WritePicture(*file);
    if (!failure.isEmpty()) {
        m_report(failure);
    }
}

QString TForm2::WritePicture(const PictureFile& file) const {
    if (!Bild->picture().IsDrawn()) {
        return QStringLiteral("Es ist noch kein Bild gezeichnet.");
    }
    const distribution::ChartTexts texts = ChartTexts();
    const QString reason = shell::SaveFile(file.path, [&](QIODevice& device) {
        distribution::WriteChart(device, file.format, Bild->picture().drawing(), file.scale, texts);
    });
    if (reason.isEmpty()) {
        return {};
    }
    return QStringLiteral("Das Bild konnte nicht als „%1“ gespeichert werden.\n%2")
        .arg(QDir::toNativeSeparators(file.path), reason);
}

void TForm2::PrintPicture() {
    if (!Bild->picture().IsDrawn()) {
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
                distribution::PaintChartPage(*printer, drawing, texts);
            });
    preview->open();
}

void TForm2::PaintPrintPage(QPrinter& printer) const {
    if (!Bild->picture().IsDrawn()) {
        return;
    }
    distribution::PaintChartPage(printer, Bild->picture().drawing(), ChartTexts());
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

distribution::ChartTexts TForm2::ChartTexts() const {
    distribution::ChartTexts texts;
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

distribution::GraphControls TForm2::controls() {
    return {*Tab,
            {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9},
            Bild->picture(),
            *Farbwahl};
}

double TForm2::Erwartungswert() const {
    return distribution::Erwartungswert(m_state.RelHaeufigkeit);
}

double TForm2::Standardabweichung() const {
    return distribution::Standardabweichung(m_state.RelHaeufigkeit);
}

void TForm2::FuelleTabelle() {
    const distribution::GraphControls graph = controls();
    distribution::FuelleTabelle({graph.Tab, graph.Edit}, m_state.RelHaeufigkeit,
                                m_state.Gescannt);
}

// Each drawing step asks for the picture to be shown before it draws, so whatever it drew
// appears at the next paint, also when it fails halfway.

void TForm2::ZeichneAchsen() {
    Bild->update();
    distribution::ZeichneAchsen(Bild->picture(), m_chart);
}

void TForm2::ZeichneStabdiagramm() {
    Bild->update();
    distribution::ZeichneStabdiagramm(Bild->picture(), m_chart, Farbwahl->ForegroundIndex(),
                                      m_state.RelHaeufigkeit);
}

void TForm2::ZeichneHistogramm() {
    Bild->update();
    distribution::ZeichneHistogramm(Bild->picture(), m_chart, Farbwahl->ForegroundIndex(), *Edit1,
                                    *Edit2);
}

void TForm2::Show() {
    show();
    raise();
    activateWindow();
}

void TForm2::Clear() {
    Bild->update();
    distribution::ClearPicture(Bild->picture());
}

void TForm2::FullRedraw() {
    Bild->update();
    distribution::FullRedraw(controls(), m_chart, m_state);
}

void TForm2::BitBtn3Click() {
    shell::RunHandler(m_report, [this] {
        Clear();
        ZeichneAchsen();
    });
}

void TForm2::graph1Click() {
    shell::RunHandler(m_report, [this] {
        Show();
        FuelleTabelle();
        ZeichneStabdiagramm();
    });
}

void TForm2::graph2Click() {
    shell::RunHandler(m_report, [this] {
        Show();
        FuelleTabelle();
        ZeichneHistogramm();
    });
}

void TForm2::Edit1KeyPress(char16_t key) {
    if (key == u'\r') {
        shell::RunHandler(m_report, [this] { FullRedraw(); });
    }
}

void TForm2::Edit2KeyPress(char16_t key) {
    if (key == u'\r') {
        shell::RunHandler(m_report, [this] {
            repaint();
            FullRedraw();
        });
    }
}

void TForm2::BitBtn1Click() {
    close();
}

}  // namespace ui

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>

#include "ui/color_grid.h"
#include "ui/row_length_window.h"
#include "ui/windows_fixture.h"

namespace ui {
namespace {

QImage reference(const char* name) {
    const QImage image(QStringLiteral(PRIMZEILEN_TEST_DATA "/%1.png").arg(QLatin1String(name)));
    EXPECT_FALSE(image.isNull()) << name;
    return image.convertToFormat(QImage::Format_RGB32);
}

// What a command-line tool prints for a file; fails the test if it cannot be run.
QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(20000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PictureTest : public WindowsTest {
protected:
    void scanAndDraw() {
        scan();
        m_main.onGraphClicked();
        ASSERT_TRUE(m_reported.isEmpty()) << m_reported.join(u'\n').toStdString();
    }
    [[nodiscard]] QImage shown() const {
        return m_graph.pictureBox->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    QTemporaryDir m_folder;
};

TEST_F(PictureTest, AtScaleOneTheReplayIsTheCanvasPixelForPixel) {
    scanAndDraw();
    EXPECT_EQ(picture(), reference("chart_start_up"));

    m_graph.colorChoice->setForegroundIndex(9);
    m_graph.onHistogramClicked();
    m_graph.colorChoice->setForegroundIndex(2);
    m_graph.onSticksClicked();
    EXPECT_EQ(picture(), reference("chart_bars_over_sticks"));

    m_graph.onClearClicked();
    EXPECT_EQ(picture(), reference("chart_cleared"));

    // A stick above the top edge and bars of a fitted n of 2401 running out on the right.
    m_state.shares = {};
    m_state.shares[0] = 0.5;
    m_state.shares[1] = 0.02;
    m_state.shares[2] = 0.48;
    m_graph.colorChoice->setForegroundIndex(4);
    m_graph.redraw();
    EXPECT_EQ(m_graph.n->text(), "2401");
    EXPECT_EQ(picture(), reference("chart_extreme_fit"));
}

// Also run on screens scaled to 150 % and 200 %.
TEST_F(PictureTest, TheWidgetShowsTheReplayAtItsRatio) {
    scanAndDraw();
    const double ratio = m_graph.pictureBox->devicePixelRatioF();
    const QImage expected =
        m_graph.pictureBox->picture().raster(ratio).convertToFormat(QImage::Format_RGB32);
    const QImage actual = shown();
    // The widget's device size may round the last half pixel away.
    ASSERT_LE(std::abs(actual.width() - expected.width()), 1);
    ASSERT_LE(std::abs(actual.height() - expected.height()), 1);
    const QRect common = actual.rect() & expected.rect();
    int differing = 0;
    for (int y = 0; y < common.height(); ++y) {
        for (int x = 0; x < common.width(); ++x) {
            differing += actual.pixel(x, y) != expected.pixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0) << "at a ratio of " << ratio;
    if (ratio == 1.0) {
        EXPECT_EQ(actual, reference("chart_start_up"));
    }
}

TEST_F(PictureTest, ThePictureActionsWaitForAPicture) {
    for (const QAction* action :
         {m_graph.copyPictureAction, m_graph.savePictureAction, m_graph.printAction}) {
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
        EXPECT_TRUE(m_graph.pictureBox->actions().contains(action));
    }
    m_graph.onClearClicked();  // the axes alone are a picture
    for (const QAction* action :
         {m_graph.copyPictureAction, m_graph.savePictureAction, m_graph.printAction}) {
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
    }
    EXPECT_EQ(m_graph.savePictureAction->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(m_graph.printAction->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
}

TEST_F(PictureTest, CtrlCCopiesThePictureButInAFieldItsText) {
    scanAndDraw();
    activate(m_graph);
    QGuiApplication::clipboard()->clear();
    m_graph.sticksButton->setFocus();
    type(Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    // At the window's scale: at scale 1 the picture itself.
    const QImage copied = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(copied.devicePixelRatio(), m_graph.devicePixelRatioF());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              m_graph.pictureBox->picture().raster(m_graph.devicePixelRatioF()));
    EXPECT_TRUE(data->data(QStringLiteral("image/svg+xml")).contains("<svg"));

    m_graph.observedMean->setFocus();
    m_graph.observedMean->selectAll();
    type(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), m_graph.observedMean->text());
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasImage());
}

TEST_F(PictureTest, SavesPngAtTwiceTheSizeSvgAndPdfAndRemembersTheFolder) {
    scanAndDraw();
    const QString png = m_folder.filePath(QStringLiteral("bild.png"));
    m_answer = SaveAnswer{png, 0};
    m_graph.savePictureAction->trigger();
    EXPECT_EQ(m_asked.name, "primzeilen_1_45000_90.png");
    ASSERT_EQ(m_asked.types.size(), 4U);
    EXPECT_EQ(m_asked.types[0].filter, "PNG-Bild, doppelte Auflösung (*.png)");
    const QImage saved(png);
    EXPECT_EQ(saved.size(), QSize(1538, 754));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
              m_graph.pictureBox->picture().raster(2.0).convertToFormat(QImage::Format_RGB32));

    const QString svg = m_folder.filePath(QStringLiteral("bild.svg"));
    m_answer = SaveAnswer{svg, 2};
    m_graph.savePictureAction->trigger();
    EXPECT_EQ(m_askedFolder, m_folder.path());
    QFile svgFile(svg);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(svgFile.readAll(), graphics::chartSvg(m_graph.pictureBox->picture().drawing()));

    const QString pdf = m_folder.filePath(QStringLiteral("bild.pdf"));
    m_answer = SaveAnswer{pdf, 3};
    m_graph.savePictureAction->trigger();
    EXPECT_TRUE(run(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression("Pages: +1\n")));
    EXPECT_TRUE(m_reported.isEmpty()) << m_reported.join(u'\n').toStdString();
    // Nothing but the three files: no temporary ones left behind.
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files).size(), 3);
}

TEST_F(PictureTest, AFailedSaveIsReportedAndChangesNothing) {
    scanAndDraw();
    const QImage before = picture().copy();
    const std::size_t commands = m_graph.pictureBox->picture().drawing().commands().size();
    const QString fields = m_graph.observedMean->text() + m_graph.n->text();

    m_answer = SaveAnswer{m_folder.path(), 0};
    m_graph.savePicture();
    ASSERT_EQ(m_reported.size(), 1);
    EXPECT_EQ(m_reported.front(),
              QStringLiteral("Das Bild konnte nicht als „%1“ gespeichert werden.\n"
                             "Unter diesem Namen gibt es einen Ordner.")
                  .arg(m_folder.path()));

    const QString missing = m_folder.filePath(QStringLiteral("fehlt/bild.svg"));
    m_answer = SaveAnswer{missing, 2};
    m_graph.savePicture();
    ASSERT_EQ(m_reported.size(), 2);
    EXPECT_TRUE(m_reported.back().contains(missing));
    EXPECT_TRUE(m_reported.back().endsWith(QStringLiteral("Den Ordner gibt es nicht.")));

    // A folder that takes no new files, even from the superuser.
    m_answer = SaveAnswer{QStringLiteral("/proc/primzeilen.pdf"), 3};
    m_graph.savePicture();
    ASSERT_EQ(m_reported.size(), 3);
    EXPECT_TRUE(m_reported.back().startsWith(
        QStringLiteral("Das Bild konnte nicht als „/proc/primzeilen.pdf“ gespeichert werden.\n")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("/proc/primzeilen.pdf")));

    EXPECT_EQ(picture(), before);
    EXPECT_EQ(m_graph.pictureBox->picture().drawing().commands().size(), commands);
    EXPECT_EQ(m_graph.observedMean->text() + m_graph.n->text(), fields);
    EXPECT_TRUE(QDir(m_folder.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(PictureTest, ThePrintedPageHoldsTheChartTheTableAndTheFields) {
    scanAndDraw();
    m_graph.printPicture();
    auto* preview = m_graph.findChild<QPrintPreviewDialog*>();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    QPrinter& printer = *preview->printer();
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    // What the preview's print button sends to the printer, onto a PDF file instead.
    const QString pdf = m_folder.filePath(QStringLiteral("druck.pdf"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    emit preview->paintRequested(&printer);
    preview->close();
    ASSERT_TRUE(QFile::exists(pdf));
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages: +1\n"))) << info.toStdString();
    const QString text =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    for (const QString& expected :
         {QStringLiteral("h(x), B(n;p;k)"), QStringLiteral("B(n;p)"), QStringLiteral("0,1944"),
          QStringLiteral("0,1852"), QStringLiteral("Erwartungswert von h(x): 9,3206"),
          QStringLiteral("Anzahl Zahlen/Zeile: 90"), QStringLiteral("bis: 45000")}) {
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n"
                                             << text.toStdString();
    }
}

TEST_F(PictureTest, TheModelsDrawOverTheChartAndLeaveNoTrace) {
    scanAndDraw();
    ASSERT_EQ(picture(), reference("chart_start_up"));
    activate(m_graph);
    type(Qt::Key_M, Qt::AltModifier);
    ASSERT_TRUE(m_graph.showModelsAction->isChecked());
    const QImage shown = picture().copy();
    if (!qEnvironmentVariableIsEmpty("PRIMZEILEN_SAVE_MODELS")) {
        shown.save(qEnvironmentVariable("PRIMZEILEN_SAVE_MODELS"));
    }
    const QImage documented = reference("chart_start_up");
    const QRect legend(769 - 6 - graphics::kLegendWidth, 6, graphics::kLegendWidth,
                       graphics::kLegendHeight);
    int changed = 0;
    for (int y = 0; y < 377; ++y) {
        for (int x = 0; x < 769; ++x) {
            const QRgb pixel = shown.pixel(x, y);
            if (pixel == documented.pixel(x, y) || legend.contains(x, y)) {
                continue;
            }
            ++changed;
            ASSERT_TRUE(pixel == graphics::toRgb(graphics::kCramerColor) ||
                        pixel == graphics::toRgb(graphics::kPoissonColor) ||
                        pixel == graphics::toRgb(graphics::kMontgomeryColor))
                << x << ", " << y;
            // The curves end with the x axis, before its arrow at 769 - 40.
            ASSERT_LE(x, 769 - 40 + 3) << y;
        }
    }
    EXPECT_GT(changed, 200);
    QStringList texts;
    for (const auto& command : m_graph.pictureBox->picture().drawing().commands()) {
        if (const auto* text = std::get_if<graphics::TextCommand>(&command)) {
            texts.append(text->text);
        }
    }
    EXPECT_TRUE(texts.contains(
        QRegularExpression(QStringLiteral("^Momente B\\(18;0,5058\\): TV 0,\\d{3}$"))));
    EXPECT_TRUE(texts.contains(QRegularExpression(QStringLiteral("^Cramér-Modell: TV 0,\\d{3}$"))));
    EXPECT_TRUE(texts.contains(
        QRegularExpression(QStringLiteral("^Poisson \\(Gallagher\\): TV 0,\\d{3}$"))));
    EXPECT_TRUE(texts.contains(QStringLiteral("Montgomery–Soundararajan: TV 0,057")));

    // Every redraw draws them again; switched off, the documented chart comes back.
    m_main.onGraphClicked();
    EXPECT_EQ(picture(), shown);
    m_graph.showModelsAction->trigger();
    EXPECT_FALSE(m_graph.showModelsAction->isChecked());
    EXPECT_EQ(picture(), documented);
    EXPECT_TRUE(m_reported.isEmpty());
}

// Alt+V in the graph window: every row length of the last scan's range, the start-up length
// with the fit and distances the graph window and the command line give, and a chart drawn.
// Before any scan it opens nothing.
TEST_F(PictureTest, RowLengthsOfTheLastScanSideBySide) {
    activate(m_graph);
    type(Qt::Key_V, Qt::AltModifier);
    EXPECT_EQ(m_graph.rowLengthWindow(), nullptr);

    scanAndDraw();
    activate(m_graph);
    type(Qt::Key_V, Qt::AltModifier);
    RowLengthWindow* window = m_graph.rowLengthWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(window->table->rowCount(), 111);
    QStringList ninety;
    for (int column = 0; column < window->table->columnCount(); ++column) {
        ninety.append(window->table->item(90 - 10, column)->text());
    }
    EXPECT_EQ(ninety, (QStringList{"90", "500", "18", "0,5058", "15,22", "0,056", "0,195", "0,217",
                                   "0,057"}));
    // The fitted n grows far slower than L: at 120 it stays below half of it.
    EXPECT_LT(window->table->item(110, 2)->text().toInt(), 60);
    EXPECT_TRUE(window->pictureBox->picture().isDrawn());

    // Its picture and its table leave it as the graph window's do.
    const QString png = m_folder.filePath(QStringLiteral("laengen.png"));
    m_answer = SaveAnswer{png, 0};
    activate(*window);
    type(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(m_asked.name, "primzeilen_laengen_1_45000.png");
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32),
              window->pictureBox->picture().raster(2.0).convertToFormat(QImage::Format_RGB32));
    const QString csv = m_folder.filePath(QStringLiteral("laengen.csv"));
    m_answer = SaveAnswer{csv, 0};
    window->saveTableAction->trigger();
    QFile csvFile(csv);
    ASSERT_TRUE(csvFile.open(QIODevice::ReadOnly));
    const QByteArray bytes = csvFile.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 1 + 111 + 1);
    EXPECT_EQ(lines[0], "L;Zeilen;n;p;n*;TV Momente;TV Cramér;TV Poisson;TV M–S");
    EXPECT_EQ(lines[1 + 80], ninety.join(u';'));
    window->table->setFocus();
    type(Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(u'\n' + ninety.join(u'\t') + u'\n'));
    EXPECT_TRUE(m_reported.isEmpty()) << m_reported.join(u'\n').toStdString();
}

}  // namespace
}  // namespace ui

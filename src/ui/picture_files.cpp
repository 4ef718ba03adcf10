#include "picture_files.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>
#include <array>
#include <utility>

namespace ui {

void saveChartThroughDialog(QWidget* parent, const SaveDialog& dialog, const QString& name,
                            const graphics::Drawing& drawing, const graphics::ChartTexts& texts,
                            const FailureReporter& report) {
    using graphics::ChartFormat;
    // PNG at twice the window's size first: sharp in print and on scaled screens.
    static const std::array<std::pair<ChartFormat, double>, 4> kFormats{{{ChartFormat::Png, 2.0},
                                                                         {ChartFormat::Png, 1.0},
                                                                         {ChartFormat::Svg, 1.0},
                                                                         {ChartFormat::Pdf, 1.0}}};
    const SaveQuestion question{
        QCoreApplication::translate("ui", "Bild speichern unter"),
        name,
        {{QCoreApplication::translate("ui", "PNG-Bild, doppelte Auflösung (*.png)"),
          QStringLiteral("png")},
         {QCoreApplication::translate("ui", "PNG-Bild, einfache Auflösung (*.png)"),
          QStringLiteral("png")},
         {QCoreApplication::translate("ui", "SVG-Vektorgrafik (*.svg)"), QStringLiteral("svg")},
         {QCoreApplication::translate("ui", "PDF-Dokument (*.pdf)"), QStringLiteral("pdf")}}};
    saveThroughDialog(parent, dialog, question, QCoreApplication::translate("ui", "Das Bild"),
                      report, [&](QIODevice& device, std::size_t type) {
                          const auto [format, scale] = kFormats.at(type);
                          graphics::writeChart(device, format, drawing, scale, texts);
                      });
}

void copyChart(const QWidget& window, const graphics::Picture& picture, const QString& title) {
    if (!picture.isDrawn()) {
        return;
    }
    auto* data = new QMimeData;
    data->setImageData(picture.raster(window.devicePixelRatioF()));
    data->setData(QStringLiteral("image/svg+xml"), graphics::chartSvg(picture.drawing(), title));
    QGuiApplication::clipboard()->setMimeData(data);
}

void printChart(QWidget* parent, const graphics::Drawing& drawing,
                const graphics::ChartTexts& texts) {
    auto* preview = new QPrintPreviewDialog(parent);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowTitle(QCoreApplication::translate("ui", "Druckvorschau"));
    preview->printer()->setPageOrientation(QPageLayout::Landscape);
    preview->printer()->setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    preview->printer()->setDocName(QCoreApplication::translate("ui", "Primzeilen"));
    // The page shows the chart as it was when the preview opened.
    QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview,
                     [drawing, texts](QPrinter* printer) {
                         graphics::paintChartPage(*printer, drawing, texts);
                     });
    preview->open();
}

}  // namespace ui

#include "chart_export.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QHash>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>

#include "core/save_file.h"

namespace graphics {

namespace {

QString chartTitle() {
    return QCoreApplication::translate("graphics::ChartExport", "Primzeilen: h(x) und B(n;p)");
}

QFont pageFont(double points, bool bold = false) {
    QFont font(graphics::substituteFont(QStringLiteral("Arial")));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// A chart has few colours, so its PNG is written with a palette of exactly them: the same
// pixels in a third of the bytes to compress. An image of more than 256 colours stays as it is.
QImage withPalette(const QImage& image) {
    QList<QRgb> palette;
    QHash<QRgb, uchar> indices;
    QImage indexed(image.size(), QImage::Format_Indexed8);
    for (int y = 0; y < image.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* target = indexed.scanLine(y);
        QRgb last = ~source[0];
        uchar lastIndex = 0;
        for (int x = 0; x < image.width(); ++x) {
            if (source[x] != last) {
                last = source[x];
                auto found = indices.constFind(last);
                if (found == indices.constEnd()) {
                    if (palette.size() == 256) {
                        return image;
                    }
                    found = indices.insert(last, static_cast<uchar>(palette.size()));
                    palette.append(last);
                }
                lastIndex = *found;
            }
            target[x] = lastIndex;
        }
    }
    indexed.setColorTable(palette);
    indexed.setDevicePixelRatio(image.devicePixelRatio());
    return indexed;
}

// The table across the page, as many columns as its widest row, the first one as its headings.
void paintTable(QPainter& painter, const std::array<QStringList, 3>& table, double top,
                double width, double rowHeight, double pt) {
    const QFont tableFont = pageFont(8);
    const QFont headingFont = pageFont(8, true);
    qsizetype columns = 1;
    for (const QStringList& row : table) {
        columns = std::max(columns, row.size());
    }
    const double cellWidth = width / static_cast<double>(columns);
    painter.setPen(QPen(Qt::black, 0.5 * pt));
    for (std::size_t row = 0; row < table.size(); ++row) {
        for (qsizetype column = 0; column < columns; ++column) {
            const QRectF cell(static_cast<double>(column) * cellWidth,
                              top + static_cast<double>(row) * rowHeight, cellWidth, rowHeight);
            painter.drawRect(cell);
            if (column < table[row].size()) {
                painter.setFont(column == 0 ? headingFont : tableFont);
                painter.drawText(cell.adjusted(2 * pt, 0, -pt, 0), Qt::AlignLeft | Qt::AlignVCenter,
                                 table[row][column]);
            }
        }
    }
}

// The result fields as "label: value", their columns side by side across the page.
void paintFields(QPainter& painter,
                 const std::vector<std::vector<std::pair<QString, QString>>>& fieldColumns,
                 double top, double width, double fieldHeight) {
    painter.setFont(pageFont(9));
    const double fieldWidth =
        width / static_cast<double>(std::max<std::size_t>(1, fieldColumns.size()));
    for (std::size_t column = 0; column < fieldColumns.size(); ++column) {
        const auto& fields = fieldColumns[column];
        for (std::size_t row = 0; row < fields.size(); ++row) {
            const QRectF place(static_cast<double>(column) * fieldWidth,
                               top + static_cast<double>(row) * fieldHeight, fieldWidth,
                               fieldHeight);
            painter.drawText(place, Qt::AlignLeft | Qt::AlignVCenter,
                             fields[row].first + QStringLiteral(": ") + fields[row].second);
        }
    }
}

}  // namespace

QByteArray chartSvg(const graphics::Drawing& drawing, const QString& title) {
    QByteArray svg;
    QBuffer buffer(&svg);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(drawing.size());
    generator.setViewBox(QRect(QPoint(0, 0), drawing.size()));
    generator.setResolution(96);
    generator.setTitle(title.isEmpty() ? chartTitle() : title);
    {
        QPainter painter(&generator);
        graphics::replay(drawing, painter, graphics::Surface::Vector);
    }
    return svg;
}

void paintChartPage(QPagedPaintDevice& device, const graphics::Drawing& drawing,
                    const ChartTexts& texts) {
    QPainter painter(&device);
    // Lengths in points, the page's paintable area in device units.
    const double pt = device.logicalDpiY() / 72.0;
    const QRectF page(0, 0, device.width(), device.height());

    const double rowHeight = 14 * pt;
    const double fieldHeight = 13 * pt;
    std::size_t fieldRows = 0;
    for (const auto& column : texts.fieldColumns) {
        fieldRows = std::max(fieldRows, column.size());
    }
    const double textsHeight =
        3 * rowHeight + 10 * pt + static_cast<double>(fieldRows) * fieldHeight;
    const double gap = 12 * pt;

    const QSizeF chart = drawing.size();
    const double chartHeight = std::max(0.0, page.height() - textsHeight - gap);
    const double factor = std::min(page.width() / chart.width(), chartHeight / chart.height());
    const QRectF chartArea((page.width() - chart.width() * factor) / 2, 0, chart.width() * factor,
                           chart.height() * factor);
    painter.save();
    painter.translate(chartArea.topLeft());
    painter.scale(factor, factor);
    painter.setClipRect(QRectF(QPointF(0, 0), chart));
    graphics::replay(drawing, painter, graphics::Surface::Vector);
    painter.restore();

    const double top = chartArea.bottom() + gap;
    paintTable(painter, texts.table, top, page.width(), rowHeight, pt);
    paintFields(painter, texts.fieldColumns, top + 3 * rowHeight + 10 * pt, page.width(),
                fieldHeight);
}

void writeChartPdf(QIODevice& device, const graphics::Drawing& drawing, const ChartTexts& texts) {
    QPdfWriter writer(&device);
    writer.setTitle(chartTitle());
    writer.setCreator(QStringLiteral("Primzeilen"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    paintChartPage(writer, drawing, texts);
}

ChartFormat chartFormatOf(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix();
    if (suffix.compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0) {
        return ChartFormat::Svg;
    }
    if (suffix.compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0) {
        return ChartFormat::Pdf;
    }
    return ChartFormat::Png;
}

void writeChart(QIODevice& device, ChartFormat format, const graphics::Drawing& drawing,
                double scale, const ChartTexts& texts) {
    // Each format is made whole in memory first, a few dozen kilobytes: its writer's failure
    // is then told apart from the device's, and the device gets one checked write.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    switch (format) {
        case ChartFormat::Png: {
            QImageWriter writer(&buffer, "png");
            if (!writer.write(withPalette(graphics::rasterise(drawing, scale)))) {
                throw core::WriteFailure(writer.errorString());
            }
            break;
        }
        case ChartFormat::Svg:
            bytes = chartSvg(drawing);
            break;
        case ChartFormat::Pdf:
            writeChartPdf(buffer, drawing, texts);
            break;
    }
    if (bytes.isEmpty()) {
        throw core::WriteFailure(
            QCoreApplication::translate("graphics::ChartExport", "leeres Bild"));
    }
    core::writeAll(device, bytes);
}

}  // namespace graphics

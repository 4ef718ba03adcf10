#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <utility>
#include <vector>

#include "graphics/drawing.h"

class QIODevice;
class QPagedPaintDevice;

namespace graphics {

// What a printed chart carries below the picture: the table's three rows, cell by cell as
// shown, and the result fields as label and value, in columns side by side.
struct ChartTexts {
    std::array<QStringList, 3> table;
    std::vector<std::vector<std::pair<QString, QString>>> fieldColumns;
};

enum class ChartFormat { Png, Svg, Pdf };

// The format a file name asks for by its ending: ".svg", ".pdf", and PNG for any other.
[[nodiscard]] ChartFormat chartFormatOf(const QString& fileName);

// The chart in a format: PNG rasterised at `scale` (at 1 the screen's pixels), SVG, or the
// printed page as PDF. Throws core::WriteFailure where the chart could not be made or the
// device did not take all of it.
void writeChart(QIODevice& device, ChartFormat format, const graphics::Drawing& drawing,
                double scale, const ChartTexts& texts);

// The chart as SVG: the picture's size as its view box, lines and texts as vectors.
// Without a title, the chart's own.
[[nodiscard]] QByteArray chartSvg(const graphics::Drawing& drawing, const QString& title = {});

// One landscape page: the chart scaled to the page's width or to what the texts below leave
// of its height, its proportions kept; below it the table and the result fields.
void paintChartPage(QPagedPaintDevice& device, const graphics::Drawing& drawing,
                    const ChartTexts& texts);

// The page as a PDF document, A4 landscape. Write errors are the device's to keep.
void writeChartPdf(QIODevice& device, const graphics::Drawing& drawing, const ChartTexts& texts);

}  // namespace graphics

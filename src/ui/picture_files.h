#pragma once

#include <QString>

#include "graphics/canvas.h"
#include "graphics/chart_export.h"
#include "ui/file_dialogs.h"
#include "ui/handler.h"

class QWidget;

namespace ui {

// Asks where to save a chart, offering PNG at twice and at the screen's size, SVG and PDF,
// and writes it whole or reports why not.
void saveChartThroughDialog(QWidget* parent, const SaveDialog& dialog, const QString& name,
                            const graphics::Drawing& drawing, const graphics::ChartTexts& texts,
                            const FailureReporter& report);

// The picture on the clipboard, once drawn: an image at the window's pixel ratio, and the chart
// as SVG with the title, without one the chart's own.
void copyChart(const QWidget& window, const graphics::Picture& picture, const QString& title = {});

// A print preview of one landscape page of the chart as it is now.
void printChart(QWidget* parent, const graphics::Drawing& drawing,
                const graphics::ChartTexts& texts);

}  // namespace ui

// primzeilen-scan FROM TO LENGTH [--repeat N] [--memory] [--graph FILE] [--scale S]
//
// Runs the main window's scan on these three field texts and prints the adjusted bounds
// (from, tab, to) and then every list line. With --repeat N the scan runs N times and the
// median time in milliseconds goes to stderr. With --memory the growth of resident memory from
// before the first scan to after the last one, with its listing held, goes to stderr in MB.
// With --graph the scan runs through the program's windows, offscreen, and is followed by the
// Graph button; the nine result fields (Edit1=...) and the table's three rows (cells separated
// by tabs) are printed and the picture is written by the file's ending: ".png" rasterised at
// --scale S (1, the screen's pixels, unless given), ".svg" as vectors, ".pdf" the printed page.

#include <QApplication>
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

#include "bench/process_memory.h"
#include "core/line_writer.h"
#include "core/translations.h"
#include "graphics/chart.h"
#include "ui/edit_field.h"
#include "ui/graph_window.h"
#include "ui/list_box.h"
#include "ui/main_window.h"
#include "ui/picture_box.h"
#include "ui/scan_steps.h"
#include "ui/text_grid.h"

namespace {

int usage() {
    std::fputs(
        "usage: primzeilen-scan FROM TO LENGTH [--repeat N] [--memory] [--graph FILE] [--scale "
        "S]\n",
        stderr);
    return 2;
}

using Output = core::LineWriter;

// Writes out what is left; 0, or 1 with the reason on stderr when the output failed.
int finish(Output& out) {
    if (out.flush()) {
        return 0;
    }
    std::fprintf(stderr, "primzeilen-scan: Ausgabe konnte nicht geschrieben werden: %s\n",
                 qPrintable(core::systemErrorText(out.error())));
    return 1;
}

void printGraph(const ui::GraphWindow& graphWindow, Output& out) {
    const std::array<const ui::EditField*, 9> edits = {graphWindow.n,
                                                       graphWindow.p,
                                                       graphWindow.observedMean,
                                                       graphWindow.binomialMean,
                                                       graphWindow.observedDeviation,
                                                       graphWindow.binomialDeviation,
                                                       graphWindow.scannedRowLength,
                                                       graphWindow.scannedLower,
                                                       graphWindow.scannedUpper};
    for (std::size_t i = 0; i < edits.size(); ++i) {
        out.line(QStringLiteral("Edit%1=%2").arg(i + 1).arg(edits[i]->fieldText()));
    }
    for (int row = 0; row < 3; ++row) {
        QStringList cells;
        for (int column = 0; column < 20; ++column) {
            cells.append(graphWindow.table->cell(column, row));
        }
        out.line(cells.join(u'\t'));
    }
}

// The scan and the Graph button through both windows, offscreen.
int scanAndGraph(int argc, char** argv, const std::vector<QString>& fields,
                 const QString& graphFile, double scale) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Standard error carries the program's own messages only, not the notes of Qt's plugins.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication application(argc, argv);
    ui::SharedState state;
    state.conventions = core::conventionsFromEnvironment();
    graphics::ChartState chart;
    QStringList failures;
    const ui::FailureReporter report = [&failures](const QString& message) {
        failures.append(message);
    };
    ui::MainWindow mainWindow(state, report);
    ui::GraphWindow graphWindow(state, chart, report);
    mainWindow.setGraphWindow(&graphWindow);

    mainWindow.lowerBound->setFieldText(fields[0]);
    mainWindow.upperBound->setFieldText(fields[1]);
    mainWindow.rowLength->setFieldText(fields[2]);
    mainWindow.onComputeClicked();
    if (!failures.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failures.front()));
        return 1;
    }
    Output out;
    out.line(mainWindow.lowerBound->fieldText() + u'\t' + mainWindow.upperBound->fieldText());
    const core::LineList& lines = mainWindow.rowList->items().lines();
    for (qsizetype i = 0; i < lines.count(); ++i) {
        out.line(lines.line(i));
    }

    mainWindow.onGraphClicked();
    printGraph(graphWindow, out);
    int status = finish(out);
    if (!failures.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failures.front()));
        status = 1;
    }
    const QString failure =
        graphWindow.writePicture({graphFile, graphics::chartFormatOf(graphFile), scale});
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        return 1;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    if (!core::standardOutputOpen()) {
        std::fprintf(stderr, "primzeilen-scan: Ausgabe konnte nicht geschrieben werden: %s\n",
                     qPrintable(core::systemErrorText(EBADF)));
        return 1;
    }
    std::vector<QString> fields;
    int repeat = 1;
    bool memory = false;
    std::optional<QString> graphFile;
    double scale = 1.0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--memory") == 0) {
            memory = true;
        } else if (std::strcmp(argv[i], "--repeat") == 0 && i + 1 < argc) {
            repeat = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--graph") == 0 && i + 1 < argc) {
            graphFile = QString::fromLocal8Bit(argv[++i]);
        } else if (std::strcmp(argv[i], "--scale") == 0 && i + 1 < argc) {
            scale = std::atof(argv[++i]);
            if (!(scale >= 1.0 && scale <= 8.0)) {
                return usage();
            }
        } else {
            fields.push_back(QString::fromLocal8Bit(argv[i]));
        }
    }
    if (fields.size() != 3) {
        return usage();
    }

    if (graphFile) {
        return scanAndGraph(argc, argv, fields, *graphFile, scale);
    }

    ui::PlainTextField from;
    ui::PlainTextField to;
    ui::PlainTextField length;
    core::LineList list;
    ui::SharedState state;
    state.conventions = core::conventionsFromEnvironment();
    std::vector<double> milliseconds;
    const double baseline = ResidentMegabytes();
    try {
        for (int run = 0; run < repeat; ++run) {
            from.setFieldText(fields[0]);
            to.setFieldText(fields[1]);
            length.setFieldText(fields[2]);
            const auto start = std::chrono::steady_clock::now();
            ui::scanIntoFields({to, from, length, list}, state);
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            milliseconds.push_back(took.count());
        }
        state.scanned = true;
    } catch (const core::Failure& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }

    if (memory) {
        std::fprintf(stderr, "%.1f MB\n", ResidentMegabytes() - baseline);
    }
    if (repeat > 1) {
        std::nth_element(milliseconds.begin(), milliseconds.begin() + repeat / 2,
                         milliseconds.end());
        std::fprintf(stderr, "%.3f\n", milliseconds[static_cast<std::size_t>(repeat / 2)]);
    }

    Output out;
    out.line(from.fieldText() + u'\t' + to.fieldText());
    for (qsizetype i = 0; i < list.count(); ++i) {
        out.line(list.line(i));
    }
    return finish(out);
}

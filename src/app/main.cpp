#include <QApplication>

#include "command_line.h"
#include "core/translations.h"
#include "graphics/chart.h"
#include "ui/edit_field.h"
#include "ui/glyphs.h"
#include "ui/graph_window.h"
#include "ui/main_window.h"
#include "ui/shared_state.h"

int main(int argc, char* argv[]) {
    const app::CommandLine commandLine = app::readCommandLine(argc, argv);
    if (!commandLine.startWindows) {
        return commandLine.exitCode;
    }
    QApplication application(argc, argv);
    // The reader of every text, made once: its language for Qt's translations too.
    ui::sharedState().conventions = core::conventionsFromEnvironment();
    core::installTranslations(application, ui::sharedState().conventions.language);
    // Closing the main window ends the program; closing the graph window only hides it.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(ui::programIcon());

    ui::MainWindow mainWindow(ui::sharedState());
    graphics::ChartState chart;
    ui::GraphWindow graphWindow(ui::sharedState(), chart);
    mainWindow.setGraphWindow(&graphWindow);

    graphWindow.show();
    mainWindow.show();
    mainWindow.raise();
    mainWindow.activateWindow();
    return QApplication::exec();
}

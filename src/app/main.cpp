#include <QApplication>

#include "app/command_line.h"
#include "graphics/chart.h"
#include "ui/shared_state.h"
#include "core/translations.h"
#include "ui/edit_field.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/glyphs.h"

int main(int argc, char* argv[]) {
    const app::CommandLine commandLine = app::ReadCommandLine(argc, argv);
    if (!commandLine.startWindows) {
        return commandLine.exitCode;
    }
    QApplication application(argc, argv);
    core::installGermanTranslations(application);
    // Closing the main window ends the program; closing the graph window only hides it.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(ui::ProgramIcon());

    ui::TForm1 form1(ui::Shared());
    graphics::ChartState chart;
    ui::TForm2 form2(ui::Shared(), chart);
    form1.SetForm2(&form2);

    form2.show();
    form1.show();
    form1.raise();
    form1.activateWindow();
    return QApplication::exec();
}

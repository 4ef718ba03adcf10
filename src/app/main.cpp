#include <QApplication>

#include "shell/shared_state.h"
#include "ui/form1.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    ui::TForm1 form1(shell::Shared());
    form1.show();
    return QApplication::exec();
}

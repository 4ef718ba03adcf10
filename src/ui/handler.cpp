#include "handler.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>

namespace ui {

FailureReporter messageBoxReporter(QWidget* parent) {
    return [window = QPointer<QWidget>(parent)](const QString& message) {
        QMessageBox::critical(window, QCoreApplication::translate("ui", "Fehler"), message);
    };
}

}  // namespace ui

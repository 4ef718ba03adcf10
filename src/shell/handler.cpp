#include "handler.h"

#include <QMessageBox>
#include <QPointer>

namespace shell {

FailureReporter MessageBoxReporter(QWidget* parent) {
    return [window = QPointer<QWidget>(parent)](const QString& message) {
        QMessageBox::critical(window, QStringLiteral("Fehler"), message);
    };
}

}  // namespace shell

#include "handler.h"

#include <QMessageBox>
#include <QPointer>

namespace ui {

FailureReporter MessageBoxReporter(QWidget* parent) {
    return [window = QPointer<QWidget>(parent)](const QString& message) {
        QMessageBox::critical(window, QStringLiteral("Fehler"), message);
    };
}

}  // namespace ui

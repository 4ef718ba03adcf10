#include <QCoreApplication>
#include <QString>

#include "engine/failures.h"

namespace core {

Failure::Failure(const QString& message) : Failure(message.toStdString()) {}

QString Failure::message() const {
    if (m_source == nullptr) {
        return QString::fromStdString(m_text);
    }
    const QString text = QCoreApplication::translate("core::Failure", m_source);
    return text.contains(QStringLiteral("%1")) ? text.arg(QString::fromStdString(m_argument))
                                               : text;
}

}  // namespace core

#include "window_range.h"

#include <QCoreApplication>

namespace core {

RowLengthError::RowLengthError()
    : Failure(QCoreApplication::translate("core::Failure",
                                          "Die Anzahl Zahlen pro Zeile muss mindestens 1 sein.")) {}

bool withinWindowLimits(Number first, Number last) {
    return first <= last && first <= kRangeLimit && last <= kRangeLimit && first >= -kRangeLimit;
}

}  // namespace core

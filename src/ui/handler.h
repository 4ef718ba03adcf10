#pragma once

#include <QString>
#include <functional>

#include "engine/failures.h"

class QWidget;

namespace ui {

// Shows a failure's text to the user. The program shows a message box; tests collect the texts.
using FailureReporter = std::function<void(const QString& message)>;

[[nodiscard]] FailureReporter messageBoxReporter(QWidget* parent);

// Runs the steps of one event handler. A failure ends them where it occurs, what they wrote
// before stays, and the failure's text is reported; the event loop goes on.
template <class Steps>
void runHandler(const FailureReporter& report, Steps&& steps) {
    try {
        std::forward<Steps>(steps)();
    } catch (const core::Failure& failure) {
        report(failure.message());
    }
}

}  // namespace ui

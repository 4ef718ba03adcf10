#pragma once

#include "engine/texts/language.h"

class QCoreApplication;

namespace core {

// The reader's conventions as this process's environment gives them: the language from
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG (see languageFromEnvironment), the decimal separator
// from the locale's numbers, as Qt reads them.
[[nodiscard]] Conventions conventionsFromEnvironment();

// The program's texts and Qt's own (the fields' context menus, file and print dialogs, message
// box buttons) in `language`. German installs Qt's German translation where it is installed
// (without it Qt's texts stay English); English installs the program's catalogue, compiled into
// the program, and leaves Qt's texts as they are.
void installTranslations(QCoreApplication& application, Language language);

}  // namespace core

#pragma once

class QCoreApplication;

namespace core {

// Qt's own texts (the fields' context menus, file and print dialogs, message box buttons) in
// German, as the rest of the program. Without the translation files they stay English.
void installGermanTranslations(QCoreApplication& application);

}  // namespace core

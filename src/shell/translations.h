#pragma once

class QCoreApplication;

namespace shell {

// Qt's own texts (the fields' context menus, file and print dialogs, message box buttons) in
// German, as the rest of the program. Without the translation files they stay English.
void InstallGermanTranslations(QCoreApplication& application);

}  // namespace shell

#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace core {

Conventions conventionsFromEnvironment() {
    const QString point = QLocale::system().decimalPoint();
    return {languageFromEnvironment(), point.isEmpty() ? U'.' : point.front().unicode()};
}

void installTranslations(QCoreApplication& application, Language language) {
    auto* translator = new QTranslator(&application);
    const bool loaded = language == Language::English
                            ? translator->load(QStringLiteral(":/translations/primzeilen_en.qm"))
                            : translator->load(QStringLiteral("qtbase_de"),
                                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace core

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "core/translations.h"

int main(int argc, char** argv) {
    // The offscreen platform's own screen is smaller than both windows; unless a run names its
    // screen, the windows are tested on one large enough to show them as laid out.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" PRIMZEILEN_TEST_SCREENS "/large.json");
    }
    QApplication application(argc, argv);
    // The program's own language for Qt's texts, or English for the tests of the English windows.
#ifdef PRIMZEILEN_TEST_ENGLISH
    core::installTranslations(application, core::Language::English);
#else
    core::installTranslations(application, core::Language::German);
#endif
    // Settings the windows keep (the last folder a picture went to) go to a test location, one
    // for each test process: ctest runs tests side by side, and one must not read what another
    // has just written.
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

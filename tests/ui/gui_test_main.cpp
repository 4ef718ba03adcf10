#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include "shell/translations.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    // The program's own language for Qt's texts.
    shell::InstallGermanTranslations(application);
    // Settings the windows keep (the last folder a picture went to) go to a test location.
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTextBrowser>

#include "primzeilen_version.h"
#include "ui/help_window.h"
#include "ui/windows_fixture.h"

namespace ui {
namespace {

using HelpTest = WindowsTest;

TEST_F(HelpTest, F1InEitherWindowOpensTheHelpAndEscClosesIt) {
    for (QWidget* window : {static_cast<QWidget*>(&m_main), static_cast<QWidget*>(&m_graph)}) {
        activate(*window);
        QWidget* focused = QApplication::focusWidget();
        type(Qt::Key_F1);
        auto* help = window->findChild<HelpWindow*>();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(help->windowTitle(), "Hilfe zu Primzeilen");
        ASSERT_TRUE(QTest::qWaitForWindowActive(help));
        QTest::keyClick(help, Qt::Key_Escape);
        EXPECT_FALSE(help->isVisible());
        // The window's own state is untouched: F1 is no documented key of it.
        activate(*window);
        EXPECT_EQ(QApplication::focusWidget(), focused);
    }
    EXPECT_TRUE(m_reported.isEmpty());
    EXPECT_TRUE(picture().isNull());  // Esc went to the help, not to "Graphen Löschen"
}

// Every key a window reacts to, as the German help writes it.
QStringList germanKeysOf(QWidget& window) {
    QStringList keys = keysOf(window);
    for (QString& key : keys) {
        key.replace(QLatin1String("Ctrl+"), QLatin1String("Strg+"))
            .replace(QLatin1String("Shift+"), QLatin1String("Umschalt+"));
    }
    return keys;
}

TEST_F(HelpTest, EveryKeyOfEachWindowIsInItsPartOfTheHelp) {
    // Taken before the help window, a child of the main window, exists.
    const QStringList mainKeys = germanKeysOf(m_main);
    const QStringList graphKeys = germanKeysOf(m_graph);
    const QString text = showHelp(m_main)->text()->toPlainText();
    expectKeysInTheirParts(
        text, mainKeys, graphKeys,
        {QStringLiteral("Tasten im Hauptfenster"), QStringLiteral("Tasten im Graphikfenster"),
         QStringLiteral("Über Primzeilen")});
    const qsizetype about = text.indexOf(QStringLiteral("Über Primzeilen"));
    ASSERT_GE(about, 0);
    EXPECT_TRUE(text.mid(about).contains(QStringLiteral("Version " PRIMZEILEN_VERSION ".")));
}

}  // namespace
}  // namespace ui

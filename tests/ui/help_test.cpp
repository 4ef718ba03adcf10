#include <gtest/gtest.h>

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

TEST_F(HelpTest, TheHelpExplainsTheMarksTheFitAndEveryKeyAndNamesVersionAndLicence) {
    const QString text = ShowHelp(m_main)->text()->toPlainText();
    for (const char* expected :
         {"O heißt", "+ heißt", "relative Häufigkeit h(x)", "Momentenmethode",
          "p = 1 − Varianz / Mittelwert", "gerundet", "Das Diagramm lesen", "Alt+Z", "Alt+L",
          "Alt+N, Alt+P", "Strg+P", "Umschalt+Enter im Feld n oder p", "Esc, Alt+L",
          "Über Primzeilen", "GPL-3.0-or-later", "Vergleich mit Zufallsmodellen", "Alt+M",
          "TV-Abstand", "Acta Arithmetica 2 (1936)", "Mathematika 23 (1976)",
          "Communications in Mathematical Physics 252 (2004)"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
    EXPECT_TRUE(text.contains(QStringLiteral("Version " PRIMZEILEN_VERSION ".")));
}

}  // namespace
}  // namespace ui

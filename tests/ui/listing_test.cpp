#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>

#include "ui/text_grid.h"
#include "ui/windows_fixture.h"

namespace ui {
namespace {

class ListingTest : public WindowsTest {
protected:
    // 1..100 in rows of ten: 10 row lines and the 27 lines of the summary.
    void smallScan() {
        m_main.upperBound->setText(QStringLiteral("100"));
        m_main.rowLength->setText(QStringLiteral("10"));
        scan();
        ASSERT_EQ(listed(), 37);
    }
    void click(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        ListBox& list = *m_main.rowList;
        QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers,
                          list.visualRect(list.items().index(row)).center());
    }
    [[nodiscard]] QString lines(std::initializer_list<int> rows) {
        QString text;
        for (const int row : rows) {
            text += line(row) + u'\n';
        }
        return text;
    }
    [[nodiscard]] static QByteArray contents(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return file.readAll();
    }
    [[nodiscard]] static QString clipboard() { return QGuiApplication::clipboard()->text(); }

    QTemporaryDir m_folder;
};

TEST_F(ListingTest, SelectedLinesAreCopiedInListOrder) {
    smallScan();
    m_main.rowList->setFocus();
    click(2);
    click(4, Qt::ShiftModifier);
    type(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), lines({2, 3, 4}));
    EXPECT_EQ(line(2), "    21  ++O+++++O+  2");

    click(30, Qt::ControlModifier);
    click(3, Qt::ControlModifier);  // taken out again
    click(0, Qt::ControlModifier);
    type(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), lines({0, 2, 4, 30}));

    type(Qt::Key_Down, Qt::ShiftModifier);  // from the last click, row 0, on to row 1
    type(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), lines({0, 1, 2, 4, 30}));

    type(Qt::Key_A, Qt::ControlModifier);
    type(Qt::Key_C, Qt::ControlModifier);
    QString all;
    for (int row = 0; row < listed(); ++row) {
        all += line(row) + u'\n';
    }
    EXPECT_EQ(clipboard(), all);
    EXPECT_TRUE(clipboard().endsWith(QStringLiteral(" Primzahlen gesamt:     25\n")));
}

TEST_F(ListingTest, TheContextMenuIsGermanAndSelectsAndCopies) {
    smallScan();
    const QList<QAction*> actions = m_main.rowList->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0]->text(), "&Kopieren");
    EXPECT_EQ(actions[1]->text(), "&Alles auswählen");
    EXPECT_EQ(actions[2]->text(), "Liste &speichern unter …");
    EXPECT_EQ(m_main.rowList->contextMenuPolicy(), Qt::ActionsContextMenu);
    QGuiApplication::clipboard()->setText(QStringLiteral("vorher"));
    m_main.copyLinesAction->trigger();  // nothing selected: the clipboard keeps its text
    EXPECT_EQ(clipboard(), "vorher");
    m_main.selectAllLinesAction->trigger();
    m_main.copyLinesAction->trigger();
    EXPECT_EQ(clipboard().count(u'\n'), 37);
}

TEST_F(ListingTest, TheWholeListingIsSavedAsUtf8Lines) {
    smallScan();
    m_main.rowList->setFocus();
    type(Qt::Key_A, Qt::ControlModifier);
    type(Qt::Key_C, Qt::ControlModifier);
    const QString path = m_folder.filePath(QStringLiteral("liste.txt"));
    m_answer = SaveAnswer{path, 0};
    m_main.computeButton->setFocus();  // Ctrl+S works anywhere in the window
    type(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(m_asked.name, "primzeilen_1_100_10.txt");
    const QByteArray saved = contents(path);
    EXPECT_EQ(saved, clipboard().toUtf8());
    EXPECT_TRUE(saved.contains("Primz/Zeile: Anzahl, relative H\xC3\xA4ufigkeit\n"));
    EXPECT_TRUE(m_reported.isEmpty());
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files), QStringList{"liste.txt"});
}

TEST_F(ListingTest, AMillionLinesAreSavedLineByLine) {
    m_main.upperBound->setText(QStringLiteral("10000000"));
    m_main.rowLength->setText(QStringLiteral("10"));
    scan();
    ASSERT_EQ(listed(), 1'000'027);
    const QString path = m_folder.filePath(QStringLiteral("alles.txt"));
    m_answer = SaveAnswer{path, 0};
    m_main.saveList();
    ASSERT_TRUE(m_reported.isEmpty()) << m_reported.join(u'\n').toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const core::LineList& lines = m_main.rowList->items().lines();
    for (qsizetype i = 0; i < lines.count(); ++i) {
        ASSERT_EQ(QString::fromUtf8(file.readLine()), lines.line(i) + u'\n') << i;
    }
    EXPECT_TRUE(file.atEnd());
}

TEST_F(ListingTest, AFailedSaveLeavesNoFileAndTheListAsItWas) {
    smallScan();
    const QString last = line(36);
    // A folder that takes no new files, even from the superuser.
    m_answer = SaveAnswer{QStringLiteral("/proc/primzeilen.txt"), 0};
    m_main.saveList();
    ASSERT_EQ(m_reported.size(), 1);
    EXPECT_TRUE(m_reported.front().startsWith(
        QStringLiteral("Die Liste konnte nicht als „/proc/primzeilen.txt“ gespeichert werden.\n")))
        << m_reported.front().toStdString();
    EXPECT_FALSE(QFile::exists(QStringLiteral("/proc/primzeilen.txt")));
    EXPECT_EQ(listed(), 37);
    EXPECT_EQ(line(36), last);
}

TEST_F(ListingTest, TheTableIsCopiedAsShownAndSavedAsGermanCsv) {
    // A fit on no scan fails once the headings are written: the other cells stay empty.
    m_graph.onSticksClicked();
    ASSERT_EQ(m_reported.size(), 1);
    m_reported.clear();
    m_graph.copyTableAction->trigger();
    const QString tabs(19, u'\t');
    EXPECT_EQ(clipboard(), "x" + tabs + "\nh(x)" + tabs + "\nB(n;p)" + tabs + "\n");

    scan();
    m_main.onGraphClicked();
    m_graph.copyTableAction->trigger();
    const QStringList rows = clipboard().split(u'\n');
    ASSERT_EQ(rows.size(), 4);
    EXPECT_TRUE(rows[0].startsWith("x\t0\t1\t2\t")) << rows[0].toStdString();
    EXPECT_TRUE(rows[1].startsWith("h(x)\t0,0000\t0,0000\t0,0000\t0,0020\t"));
    EXPECT_EQ(rows[1].split(u'\t').size(), 20);

    const QString path = m_folder.filePath(QStringLiteral("tabelle.csv"));
    m_answer = SaveAnswer{path, 0};
    m_graph.saveTableAction->trigger();
    EXPECT_EQ(m_asked.name, "primzeilen_1_45000_90.csv");
    const QList<QByteArray> csv = contents(path).split('\n');
    ASSERT_EQ(csv.size(), 4);
    EXPECT_TRUE(csv[0].startsWith("\xEF\xBB\xBFx;0;1;2;"));
    EXPECT_TRUE(csv[1].startsWith("h(x);0,0000;0,0000;0,0000;0,0020;"));
    EXPECT_TRUE(csv[2].startsWith("\"B(n;p)\";0,0000;0,0001;"));  // its semicolon is quoted
    EXPECT_TRUE(csv[2].endsWith(";0,0000\r"));
}

TEST_F(ListingTest, ResultsAreCopiedWithTheWindowsLabels) {
    scan();
    m_main.onGraphClicked();
    EXPECT_TRUE(m_graph.pictureBox->actions().contains(m_graph.copyResultsAction));
    EXPECT_TRUE(m_graph.table->actions().contains(m_graph.copyResultsAction));
    m_graph.copyResultsAction->trigger();
    EXPECT_EQ(clipboard(),
              "n\t18\n"
              "p\t0,5058\n"
              "Erwartungswert von h(x)\t9,3206\n"
              "Erwartungswert von B(n:p)\t9,1037\n"
              "Standardabweichung von h(x)\t2,1463\n"
              "Standardabweichung von B(n;p)\t2,1212\n"
              "Anzahl Zahlen/Zeile\t90\n"
              "von\t1\n"
              "bis\t45000\n");
}

TEST_F(ListingTest, KeysReachTheControlsWithoutTabStop) {
    m_main.rowLength->setText(QStringLiteral("77"));
    type(Qt::Key_Z, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), m_main.rowLength);
    EXPECT_EQ(m_main.rowLength->text(), "90");  // gaining the focus shows the bar's position
    type(Qt::Key_L, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), m_main.rowList);
    scan();
    m_main.rowList->setFocus();
    type(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(m_main.rowList->currentIndex().row(), 526);

    m_main.onGraphClicked();
    activate(m_graph);
    type(Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), m_graph.n);
    type(Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), m_graph.p);
    EXPECT_EQ(m_graph.n->text(), "18");  // nothing was drawn or fitted on the way
}

TEST_F(ListingTest, TheFirstFocusShowsItsFrame) {
    ASSERT_EQ(QApplication::focusWidget(), m_main.computeButton);
    const QImage framed = m_main.computeButton->grab().toImage();
    m_main.setAttribute(Qt::WA_KeyboardFocusChange, false);
    const QImage plain = m_main.computeButton->grab().toImage();
    EXPECT_NE(framed, plain);
    EXPECT_TRUE(m_graph.testAttribute(Qt::WA_KeyboardFocusChange));
}

TEST_F(ListingTest, QtsOwnTextsAreGerman) {
    QLineEdit field;
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    ASSERT_FALSE(menu->actions().isEmpty());
    EXPECT_TRUE(menu->actions().first()->text().startsWith(QStringLiteral("&Rückgängig")));
}

}  // namespace
}  // namespace ui

// The windows under English (this test program installs the English catalogue): English texts
// in the places of the German layout, every caption within its control, no German word left.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

#include "primzeilen_version.h"
#include "ui/help_window.h"
#include "ui/row_length_window.h"
#include "ui/windows_fixture.h"

namespace ui {
namespace {

// Letters and short words that give a German text away, and the program's own German words.
bool looksGerman(const QString& text) {
    static const QRegularExpression german(QStringLiteral(
        "[äöüÄÖÜß„]|\\b(und|oder|der|die|das|den|dem|des|ein|eine|ist|nicht|keine|mit|von|bis|"
        "für|im|ins|auf|zu|Zeile|Zeilen|Zahl|Zahlen|Primzahl|Primzahlen|Bild|Tabelle|Liste|Graphen|"
        "Zeichne|Berechnen|Anzahl|Hilfe|Fehler|Datei|Ordner|Modelle|Abbrechen|Tasten|Fenster|"
        "Drucken|Speichern|Kopieren|Vergleich|Momente|Abstand|Abstände)\\b"));
    return german.match(text).hasMatch();
}

// What a window shows or tells a screen reader: its title, its controls' texts, names and tips,
// its tables' headings and the entries of its context menus.
QStringList textsOf(QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        texts << widget->accessibleName() << widget->accessibleDescription() << widget->toolTip();
        if (const auto* label = qobject_cast<QLabel*>(widget)) {
            texts << label->text();
        }
        if (const auto* button = qobject_cast<QAbstractButton*>(widget)) {
            texts << button->text();
        }
        if (const auto* table = qobject_cast<QTableWidget*>(widget)) {
            for (int column = 0; column < table->columnCount(); ++column) {
                if (const QTableWidgetItem* heading = table->horizontalHeaderItem(column)) {
                    texts << heading->text();
                }
            }
        }
        for (const QAction* action : widget->actions()) {
            texts << action->text() << action->toolTip();
        }
    }
    texts.removeAll(QString());
    return texts;
}

// The width a button leaves its caption: its contents less the icon and the gap the style puts
// between icon and text.
int captionRoom(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    const QRect contents =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    return contents.width() - (button.icon().isNull() ? 0 : button.iconSize().width() + 4);
}

class EnglishTest : public WindowsTest {
protected:
    void scanAndDraw() {
        scan();
        m_main.onGraphClicked();
        ASSERT_TRUE(m_reported.isEmpty()) << m_reported.join(u'\n').toStdString();
    }
    RowLengthWindow* compareRowLengths() {
        activate(m_graph);
        type(Qt::Key_V, Qt::AltModifier);
        return m_graph.rowLengthWindow();
    }

    QTemporaryDir m_folder;
};

TEST_F(EnglishTest, TheWindowsAndTheirControlsSpeakEnglishUnderTheirOldNames) {
    EXPECT_EQ(m_main.windowTitle(), " Frequency of primes");
    EXPECT_EQ(m_graph.windowTitle(), " Chart and table");
    EXPECT_EQ(m_main.computeButton->text(), "&Compute");
    EXPECT_EQ(m_main.computeButton->objectName(), "BitBtn1");
    EXPECT_EQ(m_main.lowerBoundLabel->text(), "Primes from: ");
    EXPECT_EQ(m_main.upperBound->accessibleName(), "to");
    EXPECT_EQ(m_graph.clearButton->text(), "C&lear chart");
    EXPECT_EQ(m_graph.observedDeviationLabel->text(), "Standard deviation of h(x):");
    EXPECT_EQ(m_graph.scannedLower->accessibleName(), "from");
    // The letters of the German captions stay where the English word has them; the scan moves
    // to Alt+C, which no other control of the main window takes.
    EXPECT_EQ(QKeySequence::mnemonic(m_main.graphButton->text()),
              QKeySequence(Qt::ALT | Qt::Key_G));
    EXPECT_EQ(QKeySequence::mnemonic(m_main.closeButton->text()),
              QKeySequence(Qt::ALT | Qt::Key_S));
    for (const auto& [button, key] : {std::pair{m_graph.clearButton, Qt::Key_L},
                                      {m_graph.sticksButton, Qt::Key_H},
                                      {m_graph.histogramButton, Qt::Key_B},
                                      {m_graph.closeButton, Qt::Key_S}}) {
        EXPECT_EQ(QKeySequence::mnemonic(button->text()), QKeySequence(Qt::ALT | key))
            << button->text().toStdString();
    }
    pressMnemonic(Qt::Key_C, m_main.computeButton);
    EXPECT_EQ(listed(), 500 + 27);
    EXPECT_TRUE(m_reported.isEmpty()) << m_reported.join(u'\n').toStdString();
    // The German key of the scan works in English too.
    m_main.upperBound->setText(QStringLiteral("1000"));
    activate(m_main);
    type(Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(listed(), 11 + 27);  // 1..990 in rows of 90
}

TEST_F(EnglishTest, AFailedSaveIsToldInEnglishInABoxWithQtsEnglishButton) {
    scan();
    m_answer = SaveAnswer{m_folder.filePath(QStringLiteral("missing/list.txt")), 0};
    m_main.saveListAction->trigger();
    ASSERT_EQ(m_reported.size(), 1);
    const QString message = m_reported.front();
    EXPECT_TRUE(message.startsWith(QStringLiteral("The list could not be saved as “")))
        << message.toStdString();
    EXPECT_FALSE(looksGerman(message)) << message.toStdString();

    // The box the windows show it in, answered as soon as it is up.
    QString title;
    QStringList buttons;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            for (const QAbstractButton* button : box->buttons()) {
                buttons << button->text();
            }
            box->accept();
        }
    });
    answer.start(10);
    messageBoxReporter (&m_main)(message);
    EXPECT_EQ(title, "Error");
    EXPECT_EQ(buttons, QStringList{QStringLiteral("OK")});
}

TEST_F(EnglishTest, NoGermanWordInTheWindowsTheirMenusDialogsOrTheHelp) {
    scanAndDraw();
    RowLengthWindow* lengths = compareRowLengths();
    ASSERT_NE(lengths, nullptr);
    QStringList texts = textsOf(m_main) + textsOf(m_graph) + textsOf(*lengths);
    texts << showHelp(m_main)->windowTitle() << showHelp(m_main)->text()->toPlainText();
    // The listing's summary comes from the engine in the windows' reader: English words, the
    // columns and a decimal point where German has its comma.
    for (int row = listed() - 27; row < listed(); ++row) {
        texts << line(row);
    }
    EXPECT_EQ(line(listed() - 26), "Primes/row: count, relative frequency");
    EXPECT_TRUE(line(listed() - 25).startsWith("  0   : ")) << line(listed() - 25).toStdString();
    EXPECT_TRUE(line(listed() - 25).endsWith("0.00000")) << line(listed() - 25).toStdString();
    // The save dialogs' titles and file types, asked and cancelled.
    for (QAction* save : {m_main.saveListAction, m_graph.savePictureAction, m_graph.saveTableAction,
                          lengths->saveTableAction}) {
        m_asked = {};
        save->trigger();
        texts << m_asked.title << m_asked.name;
        for (const FileType& type : m_asked.types) {
            texts << type.filter;
        }
    }
    EXPECT_GT(texts.size(), 100);
    for (const QString& text : texts) {
        EXPECT_FALSE(looksGerman(text)) << text.toStdString();
    }
    EXPECT_TRUE(m_reported.isEmpty()) << m_reported.join(u'\n').toStdString();
}

TEST_F(EnglishTest, TheHelpNamesEveryKeyOfEachWindowInItsPart) {
    const QStringList mainKeys = keysOf(m_main);
    const QStringList graphKeys = keysOf(m_graph);
    HelpWindow* help = showHelp(m_main);
    EXPECT_EQ(help->windowTitle(), "Primzeilen help");
    const QString text = help->text()->toPlainText();
    // The translation keeps the place of the version.
    EXPECT_TRUE(text.contains(QStringLiteral("Primzeilen, version " PRIMZEILEN_VERSION ".")));
    expectKeysInTheirParts(
        text, mainKeys, graphKeys,
        {QStringLiteral("Keys in the main window"), QStringLiteral("Keys in the chart window"),
         QStringLiteral("About Primzeilen")});
}

// Run at scales 1, 1.5 and 2 (tests/CMakeLists.txt): the English captions are measured in the
// fonts and places of the German layout.
TEST_F(EnglishTest, EveryCaptionFitsItsPlace) {
    for (QWidget* window : {static_cast<QWidget*>(&m_main), static_cast<QWidget*>(&m_graph)}) {
        int captions = 0;
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            const int needed = label->fontMetrics().horizontalAdvance(label->text());
            EXPECT_LE(needed, label->contentsRect().width())
                << label->objectName().toStdString() << " \"" << label->text().toStdString() << '"';
            // A word set narrower than the layout's font only as far as the German captions
            // are, where it still reads easily: "von" becomes "from" in the same 24 pixels.
            const int stretch = label->font().stretch();
            const bool word = label->text().contains(QRegularExpression(QStringLiteral("\\w\\w")));
            EXPECT_TRUE(!word || stretch == QFont::AnyStretch || stretch >= 75)
                << label->objectName().toStdString() << " stretched to " << stretch;
            ++captions;
        }
        for (const QPushButton* button : window->findChildren<QPushButton*>()) {
            const int needed = button->fontMetrics()
                                   .boundingRect(QRect(), Qt::TextShowMnemonic, button->text())
                                   .width();
            EXPECT_LE(needed, captionRoom(*button)) << button->objectName().toStdString() << " \""
                                                    << button->text().toStdString() << '"';
            ++captions;
        }
        EXPECT_GE(captions, 10) << window->objectName().toStdString();
    }
}

TEST_F(EnglishTest, TheRowLengthTableIsShownInEnglishAndSavedWithItsFileColumns) {
    scanAndDraw();
    RowLengthWindow* window = compareRowLengths();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Row lengths compared");
    const QString csv = m_folder.filePath(QStringLiteral("lengths.csv"));
    m_answer = SaveAnswer{csv, 0};
    window->saveTableAction->trigger();
    EXPECT_EQ(m_asked.name, "primzeilen_lengths_1_45000.csv");
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 1 + 111 + 1);
    EXPECT_EQ(lines[0], "L;Zeilen;n;p;n*;TV Momente;TV Cramér;TV Poisson;TV M–S");
    activate(*window);
    window->table->setFocus();
    type(Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(
        QStringLiteral("L\tRows\tn\tp\tn*\tTV moments\tTV Cramér\tTV Poisson\tTV M–S\n")))
        << QGuiApplication::clipboard()->text().left(80).toStdString();
    EXPECT_TRUE(m_reported.isEmpty()) << m_reported.join(u'\n').toStdString();
}

}  // namespace
}  // namespace ui

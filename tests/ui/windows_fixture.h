#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QShortcut>
#include <QTest>
#include <array>
#include <utility>

#include "core/conversions.h"
#include "graphics/chart.h"
#include "ui/edit_field.h"
#include "ui/graph_window.h"
#include "ui/list_box.h"
#include "ui/main_window.h"
#include "ui/picture_box.h"

namespace ui {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kNavy = 0xFF000080;

// Every key a window reacts to, as Qt writes it ("Ctrl+S"): its shortcuts, its actions' keys and
// its buttons' Alt letters.
inline QStringList keysOf(QWidget& window) {
    QList<QKeySequence> sequences;
    for (const QShortcut* shortcut : window.findChildren<QShortcut*>()) {
        sequences.append(shortcut->key());
    }
    for (const QAction* action : window.findChildren<QAction*>()) {
        sequences.append(action->shortcut());
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        sequences.append(QKeySequence::mnemonic(button->text()));
    }
    QStringList keys;
    for (const QKeySequence& sequence : sequences) {
        const QString key = sequence.toString(QKeySequence::PortableText);
        if (!key.isEmpty() && !keys.contains(key)) {
            keys.append(key);
        }
    }
    return keys;
}

// Each window's keys stand in its part of the help: the main window's between the headings of the
// two key tables, the graph window's between its heading and the one that follows.
inline void expectKeysInTheirParts(const QString& help, const QStringList& mainKeys,
                                   const QStringList& graphKeys,
                                   const std::array<QString, 3>& headings) {
    const qsizetype main = help.indexOf(headings[0]);
    const qsizetype graph = help.indexOf(headings[1]);
    const qsizetype next = help.indexOf(headings[2], graph);
    ASSERT_GE(main, 0);
    ASSERT_GT(graph, main);
    ASSERT_GT(next, graph);
    for (const auto& [keys, part] :
         {std::pair<QStringList, QString>{mainKeys, help.mid(main, graph - main)},
          {graphKeys, help.mid(graph, next - graph)}}) {
        EXPECT_GE(keys.size(), 8);
        for (const QString& key : keys) {
            EXPECT_TRUE(part.contains(key)) << key.toStdString();
        }
    }
}

// Both windows as the program starts them, with the failures collected instead of shown.
class WindowsTest : public ::testing::Test {
protected:
    WindowsTest() {
        m_main.setGraphWindow(&m_graph);
        const SaveDialog answer = [this](QWidget*, const SaveQuestion& question,
                                         const QString& folder) {
            m_asked = question;
            m_askedFolder = folder;
            return m_answer;
        };
        m_main.setSaveDialog(answer);
        m_graph.setSaveDialog(answer);
        m_graph.show();
        m_main.show();
        activate(m_main);
    }

    static void activate(QWidget& window) {
        window.raise();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    // A key as the user types it: to whatever has the focus.
    static void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, key, modifiers);
    }
    // Alt with a button's letter: the button shows itself pressed for a moment, then clicks.
    static void pressMnemonic(Qt::Key letter, QAbstractButton* button) {
        type(letter, Qt::AltModifier);
        EXPECT_TRUE(button->isDown()) << button->objectName().toStdString();
        EXPECT_TRUE(QTest::qWaitFor([button] { return !button->isDown(); }));
    }
    [[nodiscard]] int listed() { return m_main.rowList->items().rowCount(); }
    [[nodiscard]] QString line(int row) {
        return m_main.rowList->items().index(row).data().toString();
    }
    [[nodiscard]] const QImage& picture() { return m_graph.pictureBox->picture().image(); }
    void scan() {
        QTest::mouseClick(m_main.computeButton, Qt::LeftButton);
        ASSERT_TRUE(m_reported.isEmpty()) << m_reported.join(u'\n').toStdString();
    }

    // The windows' reader: the program's German with a decimal comma, or under the English test
    // program English with a decimal point.
    static ui::SharedState readerState() {
        ui::SharedState state;
#ifdef PRIMZEILEN_TEST_ENGLISH
        state.conventions = {core::Language::English, U'.'};
#else
        state.conventions = {core::Language::German, U','};
#endif
        return state;
    }

    ui::SharedState m_state = readerState();
    graphics::ChartState m_chart;
    QStringList m_reported;
    ui::FailureReporter m_report = [this](const QString& message) { m_reported.append(message); };
    // What the save dialog was asked, and what it answers.
    SaveQuestion m_asked;
    QString m_askedFolder;
    std::optional<SaveAnswer> m_answer;
    MainWindow m_main{m_state, m_report};
    GraphWindow m_graph{m_state, m_chart, m_report};
};

}  // namespace ui

#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>

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

    ui::SharedState m_state{.conventions = {core::Language::German, U','}};
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

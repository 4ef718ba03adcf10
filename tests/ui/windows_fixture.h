#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "graphics/chart.h"
#include "core/conversions.h"
#include "ui/edit_field.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/list_box.h"
#include "ui/picture_box.h"

namespace ui {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kNavy = 0xFF000080;

// Both windows as the program starts them, with the failures collected instead of shown.
class WindowsTest : public ::testing::Test {
protected:
    WindowsTest() {
        m_form1.SetForm2(&m_form2);
        const SaveDialog answer = [this](QWidget*, const SaveQuestion& question,
                                         const QString& folder) {
            m_asked = question;
            m_askedFolder = folder;
            return m_answer;
        };
        m_form1.SetSaveDialog(answer);
        m_form2.SetSaveDialog(answer);
        m_form2.show();
        m_form1.show();
        activate(m_form1);
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
    [[nodiscard]] int listed() { return m_form1.ListBox1->items().rowCount(); }
    [[nodiscard]] QString line(int row) {
        return m_form1.ListBox1->items().index(row).data().toString();
    }
    [[nodiscard]] const QImage& picture() { return m_form2.Bild->picture().image(); }
    void scan() {
        QTest::mouseClick(m_form1.BitBtn1, Qt::LeftButton);
        ASSERT_TRUE(m_reported.isEmpty()) << m_reported.join(u'\n').toStdString();
    }

    core::DecimalSeparatorScope m_separator{u','};
    ui::SharedState m_state;
    graphics::ChartState m_chart;
    QStringList m_reported;
    ui::FailureReporter m_report = [this](const QString& message) {
        m_reported.append(message);
    };
    // What the save dialog was asked, and what it answers.
    SaveQuestion m_asked;
    QString m_askedFolder;
    std::optional<SaveAnswer> m_answer;
    TForm1 m_form1{m_state, m_report};
    TForm2 m_form2{m_state, m_chart, m_report};
};

}  // namespace ui

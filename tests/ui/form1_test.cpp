#include "ui/form1.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include "shell/conversions.h"
#include "ui/edit_field.h"
#include "ui/list_box_model.h"

namespace ui {
namespace {

class Form1Test : public ::testing::Test {
protected:
    shell::DecimalSeparatorScope m_separator{u','};
    shell::SharedState m_state;
    QStringList m_reported;
    TForm1 m_form{m_state, [this](const QString& message) { m_reported.append(message); }};
};

// Checks every change of the list model; it walks the rows, so only for short listings.
class CheckedForm1Test : public Form1Test {
protected:
    QAbstractItemModelTester m_tester{m_form.ListBox1Items,
                                      QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(CheckedForm1Test, TheScanButtonFillsTheListAndSetsTheFlag) {
    QTest::mouseClick(m_form.BitBtn1, Qt::LeftButton);
    ASSERT_EQ(m_form.ListBox1Items->rowCount(), 527);
    EXPECT_EQ(m_form.ListBox1Items->index(526).data().toString(), " Primzahlen gesamt:     4675");
    EXPECT_EQ(m_state.Berechnet, 1);
    EXPECT_EQ(m_state.ZahlenProZeile, 90);
    EXPECT_TRUE(m_reported.isEmpty());
}

TEST_F(CheckedForm1Test, AFailureIsReportedAndLeavesTheFlag) {
    m_form.Edit1->setText(QStringLiteral("viel"));
    QTest::mouseClick(m_form.BitBtn1, Qt::LeftButton);
    EXPECT_EQ(m_reported, QStringList{"„viel“ ist keine gültige ganze Zahl."});
    EXPECT_EQ(m_state.Berechnet, 0);
    EXPECT_EQ(m_form.ListBox1Items->rowCount(), 0);
}

TEST_F(Form1Test, AMillionRowsAreShownThroughTheModel) {
    m_form.Edit1->setText(QStringLiteral("10000000"));
    m_form.Edit3->setText(QStringLiteral("10"));
    QTest::mouseClick(m_form.BitBtn1, Qt::LeftButton);
    ASSERT_EQ(m_form.ListBox1Items->rowCount(), 1'000'000 + 27);
    EXPECT_EQ(m_form.ListBox1Items->index(999'999).data().toString(), "9999991  O+++++++++  1");
    // A refused scan clears the list again.
    m_form.Edit1->setText(QStringLiteral("0"));
    QTest::mouseClick(m_form.BitBtn1, Qt::LeftButton);
    EXPECT_EQ(m_form.ListBox1Items->rowCount(), 0);
}

}  // namespace
}  // namespace ui

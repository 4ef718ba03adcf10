#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QFontMetrics>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "graphics/chart.h"
#include "core/conversions.h"
#include "ui/color_grid.h"
#include "ui/edit_field.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/list_box.h"
#include "ui/picture_box.h"
#include "ui/string_grid.h"
#include "ui/windows_fixture.h"

namespace ui {
namespace {

TEST_F(WindowsTest, StartUpState) {
    EXPECT_EQ(QApplication::focusWidget(), m_form1.BitBtn1);
    EXPECT_EQ(m_form1.Edit2->text(), "1");
    EXPECT_EQ(m_form1.Edit1->text(), "45000");
    EXPECT_EQ(m_form1.Edit3->text(), "90");
    EXPECT_EQ(m_form1.ScrollBar1->value(), 90);
    EXPECT_EQ(m_form2.Edit1->text(), "20");
    EXPECT_EQ(m_form2.Edit2->text(), "0,32");
    EXPECT_EQ(m_form2.Edit9->text(), "Edit9");
    EXPECT_EQ(m_form2.Farbwahl->ForegroundIndex(), 4);
    EXPECT_TRUE(picture().isNull());
    EXPECT_EQ(m_state.ZahlenProZeile, 0);
    EXPECT_EQ(m_state.Berechnet, 0);
    EXPECT_EQ(m_form1.windowTitle(), " Häufigkeit von Primzahlen");
    EXPECT_EQ(m_form2.windowTitle(), " Graphische Darstellung und Tabelle");
    EXPECT_EQ(m_form1.Edit2->accessibleName(), "Primzahlen von");
    EXPECT_EQ(m_form1.BitBtn1->accessibleName(), "Berechnen");
}

TEST_F(WindowsTest, GraphBeforeAnyScanDoesNothing) {
    m_form2.hide();
    QTest::mouseClick(m_form1.Graph1, Qt::LeftButton);
    pressMnemonic(Qt::Key_G, m_form1.Graph1);
    m_form1.Edit2->setFocus();
    type(Qt::Key_Return);
    EXPECT_FALSE(m_form2.isVisible());
    EXPECT_TRUE(picture().isNull());
    EXPECT_EQ(m_form2.Tab->Cell(0, 0), "");
    EXPECT_TRUE(m_reported.isEmpty());
    EXPECT_EQ(listed(), 0);
}

TEST_F(WindowsTest, TheFirstEnterScansAndAltGDraws) {
    type(Qt::Key_Return);
    EXPECT_EQ(m_form1.Edit1->text(), "45000");
    EXPECT_EQ(listed(), 527);
    EXPECT_EQ(m_state.Berechnet, 1);
    pressMnemonic(Qt::Key_G, m_form1.Graph1);
    EXPECT_EQ(m_form2.Edit1->text(), "18");
    EXPECT_EQ(m_form2.Edit8->text(), "1");
    EXPECT_EQ(picture().pixel(729, 329), kBlack);              // the x axis beyond the last bar
    EXPECT_EQ(picture().pixel(48 + 9 * 35, 329 - 70), kNavy);  // h(9) = 0.1944 reaches 193
}

TEST_F(WindowsTest, ResultsKeepTheRowLengthAndRangeTheyWereCountedIn) {
    scan();
    m_form1.Edit2->setText(QStringLiteral("-7"));
    m_form1.Edit1->setText(QStringLiteral("100000"));
    m_form1.ScrollBar1->setValue(100);
    EXPECT_EQ(m_state.ZahlenProZeile, 100);
    m_form1.Graph1Click();
    EXPECT_EQ(m_form2.Edit7->text(), "90");
    EXPECT_EQ(m_form2.Edit8->text(), "1");
    EXPECT_EQ(m_form2.Edit9->text(), "45000");
    // A refused scan leaves the shares, and so their labels, as they were.
    m_form1.Edit2->setText(QStringLiteral("500"));
    m_form1.Edit1->setText(QStringLiteral("5"));
    scan();
    m_form1.Graph1Click();
    EXPECT_EQ(m_form2.Edit1->text(), "18");
    EXPECT_EQ(m_form2.Edit7->text(), "90");
    EXPECT_EQ(m_form2.Edit9->text(), "45000");
}

TEST_F(WindowsTest, EnterInAFieldAfterAScanRedrawsAndDoesNotScan) {
    scan();
    m_form1.Edit1->setFocus();
    m_form1.Edit1->setText(QStringLiteral("100"));
    type(Qt::Key_Return);
    EXPECT_EQ(listed(), 527);  // no new scan
    EXPECT_EQ(m_form1.Edit1->text(), "100");
    EXPECT_EQ(m_form2.Edit1->text(), "18");
    EXPECT_EQ(m_form2.Edit9->text(), "45000");  // the scanned range, not what the field says

    type(Qt::Key_Return, Qt::ControlModifier);  // a line feed, not a carriage return
    EXPECT_EQ(listed(), 527);
    type(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(m_form1.Edit1->text(), "90");
    EXPECT_EQ(listed(), 1 + 27);

    m_form1.Edit2->setFocus();
    type(Qt::Key_Return, Qt::ShiftModifier);  // Edit2 has no handler of its own
    EXPECT_EQ(listed(), 1 + 27);
}

TEST_F(WindowsTest, TheBarStopsAtItsEnds) {
    for (int i = 0; i < 200; ++i) {
        m_form1.ScrollBar1->triggerAction(QAbstractSlider::SliderSingleStepSub);
    }
    EXPECT_EQ(m_form1.ScrollBar1->value(), 10);
    EXPECT_EQ(m_form1.Edit3->text(), "10");
    EXPECT_EQ(m_state.ZahlenProZeile, 10);
    m_form1.ScrollBar1->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(m_form1.Edit3->text(), "11");  // the trough moves it by one as well
    for (int i = 0; i < 200; ++i) {
        m_form1.ScrollBar1->triggerAction(QAbstractSlider::SliderPageStepAdd);
    }
    EXPECT_EQ(m_form1.Edit3->text(), "120");
    EXPECT_EQ(m_state.ZahlenProZeile, 120);
}

TEST_F(WindowsTest, ATypedRowLengthIsClampedByTheBar) {
    m_form1.Edit3->setFocus();
    m_form1.Edit3->setText(QStringLiteral("200"));
    type(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(m_form1.ScrollBar1->value(), 120);
    EXPECT_EQ(m_form1.Edit3->text(), "120");
    EXPECT_EQ(m_state.ZahlenProZeile, 120);

    // Standing at 120 already, the bar does not move and the field keeps what was typed; the
    // scan reads it.
    m_form1.Edit3->setText(QStringLiteral("300"));
    type(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(m_form1.Edit3->text(), "300");
    EXPECT_EQ(m_state.ZahlenProZeile, 120);
    scan();
    EXPECT_EQ(m_state.ZahlenProZeile, 300);
    EXPECT_EQ(m_form1.Edit1->text(), "45000");
    EXPECT_EQ(listed(), 150 + 27);

    m_form1.Edit3->setFocus();  // the scan button had taken it
    m_form1.Edit3->setText(QStringLiteral("3"));
    type(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(m_form1.Edit3->text(), "10");
    EXPECT_EQ(m_state.ZahlenProZeile, 10);
}

TEST_F(WindowsTest, ARowLengthThatIsNoNumberIsReportedAndChangesNothing) {
    m_form1.Edit3->setFocus();
    m_form1.Edit3->setText(QStringLiteral("zehn"));
    type(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(m_reported, QStringList{"„zehn“ ist keine gültige ganze Zahl."});
    EXPECT_EQ(m_form1.Edit3->text(), "zehn");
    EXPECT_EQ(m_form1.ScrollBar1->value(), 90);
    EXPECT_EQ(m_state.ZahlenProZeile, 90);  // set when the field gained the focus
}

TEST_F(WindowsTest, ClickingIntoTheRowLengthShowsTheBar) {
    m_form1.Edit3->setText(QStringLiteral("77"));
    QTest::mouseClick(m_form1.Edit3, Qt::LeftButton);
    EXPECT_EQ(m_form1.Edit3->text(), "90");
    EXPECT_EQ(m_state.ZahlenProZeile, 90);
}

TEST_F(WindowsTest, AltBScansFromAnyControl) {
    m_form1.Edit1->setFocus();
    m_form1.Edit1->setText(QStringLiteral("100"));
    m_form1.Edit3->setText(QStringLiteral("10"));
    pressMnemonic(Qt::Key_B, m_form1.BitBtn1);
    EXPECT_EQ(listed(), 10 + 27);
    EXPECT_EQ(m_state.Berechnet, 1);
}

TEST_F(WindowsTest, TabPassesOverTheControlsWithoutTabStop) {
    const QList<QWidget*> expected = {m_form1.Graph1, m_form1.BitBtn2, m_form1.Edit2, m_form1.Edit1,
                                      m_form1.BitBtn1};
    for (QWidget* next : expected) {
        type(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(WindowsTest, TheGraphWindowsTabOrder) {
    activate(m_form2);
    m_form2.Farbwahl->setFocus();
    const QList<QWidget*> expected = {m_form2.BitBtn3, m_form2.graph1,  m_form2.graph2,
                                      m_form2.BitBtn1, m_form2.Edit7,   m_form2.Edit8,
                                      m_form2.Edit9,   m_form2.Farbwahl};
    for (QWidget* next : expected) {
        type(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(WindowsTest, EscInTheMainWindowDoesNothing) {
    scan();
    m_form1.Edit1->setFocus();
    m_form1.Edit1->setText(QStringLiteral("77"));
    type(Qt::Key_Escape);
    EXPECT_EQ(m_form1.Edit1->text(), "77");
    EXPECT_EQ(listed(), 527);
    EXPECT_TRUE(m_form1.isVisible());
    EXPECT_TRUE(picture().isNull());
}

TEST_F(WindowsTest, EscInTheGraphWindowClearsAndDrawsTheAxes) {
    scan();
    QTest::mouseClick(m_form1.Graph1, Qt::LeftButton);
    activate(m_form2);
    m_form2.Farbwahl->setFocus();
    type(Qt::Key_Escape);
    EXPECT_EQ(picture().pixel(40, 329), kBlack);
    EXPECT_EQ(picture().pixel(48 + 9 * 35, 329 - 70), kWhite);  // no chart
    // Enter on the colour grid draws the sticks over the axes, without clearing.
    QTest::mouseClick(m_form2.Farbwahl, Qt::LeftButton, {}, QPoint(8, 26));  // first cell below
    EXPECT_EQ(m_form2.Farbwahl->ForegroundIndex(), 8);
    type(Qt::Key_Return);
    EXPECT_EQ(picture().pixel(48 + 9 * 35, 329 - 70), 0xFFC0C0C0U);  // silver stick
    EXPECT_EQ(picture().pixel(48 + 9 * 35 + 17, 300), kWhite);       // no bars
}

TEST_F(WindowsTest, ShiftEnterInTheGraphFieldsRedrawsTheFit) {
    scan();
    QTest::mouseClick(m_form1.Graph1, Qt::LeftButton);
    activate(m_form2);
    for (TEdit* field : {m_form2.Edit1, m_form2.Edit2}) {
        QTest::mouseClick(m_form2.BitBtn3, Qt::LeftButton);  // axes only
        field->setFocus();
        field->setText(QStringLiteral("3"));
        type(Qt::Key_Return, Qt::ShiftModifier);
        EXPECT_EQ(m_form2.Edit1->text(), "18");
        EXPECT_EQ(m_form2.Edit2->text(), "0,5058");
        EXPECT_EQ(picture().pixel(48 + 9 * 35, 329 - 70), kNavy);  // sticks
        EXPECT_EQ(picture().pixel(48 + 9 * 35 + 17, 300), kNavy);  // bars
    }
}

TEST_F(WindowsTest, AChartBeforeAnyAxesFillsTheTableButDrawsNothing) {
    scan();
    QTest::mouseClick(m_form2.graph1, Qt::LeftButton);
    EXPECT_EQ(m_form2.Edit1->text(), "18");
    EXPECT_EQ(m_form2.Tab->Cell(10, 1), "0,1944");
    ASSERT_FALSE(picture().isNull());  // the first drawing gives a white surface
    QImage white(picture().size(), picture().format());
    white.fill(Qt::white);
    EXPECT_EQ(picture(), white);
}

TEST_F(WindowsTest, GraphAfterARefusedFirstScanReportsTheFailure) {
    m_form1.Edit1->setText(QStringLiteral("0"));
    scan();
    EXPECT_EQ(m_state.Berechnet, 1);
    m_form2.hide();
    QTest::mouseClick(m_form1.Graph1, Qt::LeftButton);
    EXPECT_TRUE(m_form2.isVisible());
    EXPECT_EQ(m_reported, QStringList{"Ungültige Gleitkommaoperation."});
    EXPECT_EQ(picture().pixel(0, 0), kBlack);     // cleared inside its frame
    EXPECT_EQ(picture().pixel(40, 329), kWhite);  // no axes
    EXPECT_EQ(m_form2.Tab->Cell(0, 2), "B(n;p)");
    EXPECT_EQ(m_form2.Edit1->text(), "20");
}

TEST_F(WindowsTest, ClosingTheGraphWindowHidesItUntilTheNextGraph) {
    scan();
    QTest::mouseClick(m_form1.Graph1, Qt::LeftButton);
    activate(m_form2);
    pressMnemonic(Qt::Key_S, m_form2.BitBtn1);
    EXPECT_FALSE(m_form2.isVisible());
    EXPECT_TRUE(m_form1.isVisible());
    QTest::mouseClick(m_form2.BitBtn3, Qt::LeftButton);  // hidden, but the picture keeps
    m_form1.Edit3->setText(QStringLiteral("45"));
    QTest::mouseClick(m_form1.Graph1, Qt::LeftButton);
    EXPECT_TRUE(m_form2.isVisible());
    EXPECT_EQ(m_form2.Edit7->text(), "90");
    EXPECT_EQ(picture().pixel(48 + 9 * 35, 329 - 70), kNavy);
}

TEST_F(WindowsTest, TheListDocksToTheBottomEdge) {
    m_form1.resize(1200, 900);
    EXPECT_EQ(m_form1.ListBox1->geometry(), QRect(0, 900 - 582, 1200, 582));
}

TEST_F(WindowsTest, TheListModelStaysConsistent) {
    QAbstractItemModelTester tester(&m_form1.ListBox1->items(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    scan();
    m_form1.Edit1->setText(QStringLiteral("0"));
    scan();
    EXPECT_EQ(listed(), 0);
}

TEST_F(WindowsTest, RowsOfMillionsOfMarksCanBeScrolledToTheirEnd) {
    m_form1.Edit1->setText(QStringLiteral("10000000"));
    m_form1.Edit3->setText(QStringLiteral("5000000"));
    scan();
    ASSERT_EQ(listed(), 2 + 27);
    TListBox& list = *m_form1.ListBox1;
    // The view lays its rows out when the event loop comes round.
    EXPECT_TRUE(QTest::qWaitFor([&list] { return list.horizontalScrollBar()->maximum() > 0; }));
    const int advance = QFontMetrics(list.font()).horizontalAdvance(QLatin1Char('O'));
    const int lineWidth = static_cast<int>(line(0).size()) * advance;
    EXPECT_GE(list.horizontalScrollBar()->maximum() + list.viewport()->width(), lineWidth);
    list.horizontalScrollBar()->setValue(list.horizontalScrollBar()->maximum());
    list.viewport()->repaint();
}

TEST_F(WindowsTest, AMillionRowsAreListedAndTheLastIsReached) {
    m_form1.Edit1->setText(QStringLiteral("10000000"));
    m_form1.Edit3->setText(QStringLiteral("10"));
    scan();
    ASSERT_EQ(listed(), 1'000'000 + 27);
    EXPECT_EQ(line(999'999), "9999991  O+++++++++  1");
    m_form1.ListBox1->scrollToBottom();
    QApplication::processEvents();
    EXPECT_EQ(m_form1.ListBox1->indexAt({5, m_form1.ListBox1->viewport()->height() - 5}).row(),
              1'000'000 + 26);
}

}  // namespace
}  // namespace ui

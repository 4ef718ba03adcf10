#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "core/conversions.h"
#include "graphics/chart.h"
#include "ui/color_grid.h"
#include "ui/edit_field.h"
#include "ui/graph_window.h"
#include "ui/list_box.h"
#include "ui/main_window.h"
#include "ui/picture_box.h"
#include "ui/text_grid.h"
#include "ui/windows_fixture.h"

namespace ui {
namespace {

TEST_F(WindowsTest, AtStartEveryControlIsUsableAndNothingIsCountedYet) {
    // The first Enter goes to the scan button.
    EXPECT_EQ(QApplication::focusWidget(), m_main.computeButton);
    for (QWidget* window : {static_cast<QWidget*>(&m_main), static_cast<QWidget*>(&m_graph)}) {
        int controls = 0;
        for (QWidget* control :
             window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            const QString name = control->objectName();
            if (name.isEmpty() || name.contains(QLatin1String("indowBar"))) {
                continue;  // the bars of a window smaller than its layout
            }
            ++controls;
            EXPECT_TRUE(control->isVisible()) << name.toStdString();
            EXPECT_TRUE(control->isEnabled()) << name.toStdString();
        }
        EXPECT_GE(controls, 16) << window->objectName().toStdString();
    }
    // The row length field shows where the bar stands.
    EXPECT_EQ(core::parseInteger(m_main.rowLength->text()), m_main.rowLengthBar->value());
    EXPECT_EQ(listed(), 0);
    EXPECT_TRUE(picture().isNull());
    EXPECT_EQ(m_graph.table->cell(1, 1), "");
}

// A user's tools find each control by its documented name; the code holds it in the member
// that src/ui/README.md names, and every named control is one of them.
TEST_F(WindowsTest, EachDocumentedNameIsTheControlOfItsMember) {
    const MainWindow& w = m_main;
    const GraphWindow& g = m_graph;
    const std::vector<std::pair<const char*, const QWidget*>> mainControls{
        {"Edit2", w.lowerBound},       {"Edit1", w.upperBound},
        {"Edit3", w.rowLength},        {"ScrollBar1", w.rowLengthBar},
        {"ListBox1", w.rowList},       {"BitBtn1", w.computeButton},
        {"Graph1", w.graphButton},     {"BitBtn2", w.closeButton},
        {"Label1", w.lowerBoundLabel}, {"Label2", w.upperBoundLabel},
        {"Label5", w.rowLengthLabel},  {"Label8", w.limitNote},
        {"Label3", w.markLegend},      {"Label4", w.firstNumberHeading},
        {"Label6", w.countHeading},    {"Label7", w.primesPerRowHeading}};
    const std::vector<std::pair<const char*, const QWidget*>> graphControls{
        {"Bild", g.pictureBox},
        {"Tab", g.table},
        {"Farbwahl", g.colorChoice},
        {"Edit1", g.n},
        {"Edit2", g.p},
        {"Edit3", g.observedMean},
        {"Edit5", g.observedDeviation},
        {"Edit4", g.binomialMean},
        {"Edit6", g.binomialDeviation},
        {"Edit7", g.scannedRowLength},
        {"Edit8", g.scannedLower},
        {"Edit9", g.scannedUpper},
        {"graph1", g.sticksButton},
        {"graph2", g.histogramButton},
        {"BitBtn3", g.clearButton},
        {"BitBtn1", g.closeButton},
        {"Label1", g.tableHeading},
        {"Label2", g.fitOpening},
        {"Label3", g.fitSeparator},
        {"Label4", g.fitClosing},
        {"Label5", g.observedMeanLabel},
        {"Label6", g.binomialMeanLabel},
        {"Label7", g.observedDeviationLabel},
        {"Label8", g.binomialDeviationLabel},
        {"Label11", g.scannedRowLengthLabel},
        {"Label12", g.scannedLowerLabel},
        {"Label13", g.scannedUpperLabel},
        {"Label9", g.stickChartCaption},
        {"Label10", g.histogramCaption}};
    for (const auto& [window, controls] :
         {std::pair<const QWidget*, const std::vector<std::pair<const char*, const QWidget*>>*>{
              &m_main, &mainControls},
          {&m_graph, &graphControls}}) {
        const std::string title = window->objectName().toStdString();
        int named = 0;
        for (const QWidget* child :
             window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            named += !child->objectName().isEmpty() &&
                             !child->objectName().contains(QLatin1String("indowBar"))
                         ? 1
                         : 0;
        }
        EXPECT_EQ(named, static_cast<int>(controls->size())) << title;
        for (const auto& [name, member] : *controls) {
            ASSERT_NE(member, nullptr) << title << " " << name;
            EXPECT_EQ(window->findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly),
                      member)
                << title << " " << name;
        }
    }
}

TEST_F(WindowsTest, GraphBeforeAnyScanDoesNothing) {
    m_graph.hide();
    QTest::mouseClick(m_main.graphButton, Qt::LeftButton);
    pressMnemonic(Qt::Key_G, m_main.graphButton);
    m_main.lowerBound->setFocus();
    type(Qt::Key_Return);
    EXPECT_FALSE(m_graph.isVisible());
    EXPECT_TRUE(picture().isNull());
    EXPECT_EQ(m_graph.table->cell(0, 0), "");
    EXPECT_TRUE(m_reported.isEmpty());
    EXPECT_EQ(listed(), 0);
}

TEST_F(WindowsTest, TheFirstEnterScansAndAltGDraws) {
    type(Qt::Key_Return);
    EXPECT_EQ(m_main.upperBound->text(), "45000");
    EXPECT_EQ(listed(), 527);
    EXPECT_EQ(m_state.scanned, true);
    pressMnemonic(Qt::Key_G, m_main.graphButton);
    EXPECT_EQ(m_graph.n->text(), "18");
    EXPECT_EQ(m_graph.scannedLower->text(), "1");
    EXPECT_EQ(picture().pixel(729, 329), kBlack);              // the x axis beyond the last bar
    EXPECT_EQ(picture().pixel(48 + 9 * 35, 329 - 70), kNavy);  // h(9) = 0.1944 reaches 193
}

TEST_F(WindowsTest, ResultsKeepTheRowLengthAndRangeTheyWereCountedIn) {
    scan();
    m_main.lowerBound->setText(QStringLiteral("-7"));
    m_main.upperBound->setText(QStringLiteral("100000"));
    m_main.rowLengthBar->setValue(100);
    EXPECT_EQ(m_state.rowLength, 100);
    m_main.onGraphClicked();
    EXPECT_EQ(m_graph.scannedRowLength->text(), "90");
    EXPECT_EQ(m_graph.scannedLower->text(), "1");
    EXPECT_EQ(m_graph.scannedUpper->text(), "45000");
    // A refused scan leaves the shares, and so their labels, as they were.
    m_main.lowerBound->setText(QStringLiteral("500"));
    m_main.upperBound->setText(QStringLiteral("5"));
    scan();
    m_main.onGraphClicked();
    EXPECT_EQ(m_graph.n->text(), "18");
    EXPECT_EQ(m_graph.scannedRowLength->text(), "90");
    EXPECT_EQ(m_graph.scannedUpper->text(), "45000");
}

TEST_F(WindowsTest, EnterInAFieldAfterAScanRedrawsAndDoesNotScan) {
    scan();
    m_main.upperBound->setFocus();
    m_main.upperBound->setText(QStringLiteral("100"));
    type(Qt::Key_Return);
    EXPECT_EQ(listed(), 527);  // no new scan
    EXPECT_EQ(m_main.upperBound->text(), "100");
    EXPECT_EQ(m_graph.n->text(), "18");
    EXPECT_EQ(m_graph.scannedUpper->text(), "45000");  // the scanned range, not what the field says

    type(Qt::Key_Return, Qt::ControlModifier);  // a line feed, not a carriage return
    EXPECT_EQ(listed(), 527);
    type(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(m_main.upperBound->text(), "90");
    EXPECT_EQ(listed(), 1 + 27);

    m_main.lowerBound->setFocus();
    type(Qt::Key_Return, Qt::ShiftModifier);  // the lower bound has no handler of its own
    EXPECT_EQ(listed(), 1 + 27);
}

TEST_F(WindowsTest, TheBarStopsAtItsEnds) {
    for (int i = 0; i < 200; ++i) {
        m_main.rowLengthBar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    }
    EXPECT_EQ(m_main.rowLengthBar->value(), 10);
    EXPECT_EQ(m_main.rowLength->text(), "10");
    EXPECT_EQ(m_state.rowLength, 10);
    m_main.rowLengthBar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(m_main.rowLength->text(), "11");  // the trough moves it by one as well
    for (int i = 0; i < 200; ++i) {
        m_main.rowLengthBar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    }
    EXPECT_EQ(m_main.rowLength->text(), "120");
    EXPECT_EQ(m_state.rowLength, 120);
}

TEST_F(WindowsTest, ATypedRowLengthIsClampedByTheBar) {
    m_main.rowLength->setFocus();
    m_main.rowLength->setText(QStringLiteral("200"));
    type(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(m_main.rowLengthBar->value(), 120);
    EXPECT_EQ(m_main.rowLength->text(), "120");
    EXPECT_EQ(m_state.rowLength, 120);

    // Standing at 120 already, the bar does not move and the field keeps what was typed; the
    // scan reads it.
    m_main.rowLength->setText(QStringLiteral("300"));
    type(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(m_main.rowLength->text(), "300");
    EXPECT_EQ(m_state.rowLength, 120);
    scan();
    EXPECT_EQ(m_state.rowLength, 300);
    EXPECT_EQ(m_main.upperBound->text(), "45000");
    EXPECT_EQ(listed(), 150 + 27);

    m_main.rowLength->setFocus();  // the scan button had taken it
    m_main.rowLength->setText(QStringLiteral("3"));
    type(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(m_main.rowLength->text(), "10");
    EXPECT_EQ(m_state.rowLength, 10);
}

TEST_F(WindowsTest, ARowLengthThatIsNoNumberIsReportedAndChangesNothing) {
    m_main.rowLength->setFocus();
    m_main.rowLength->setText(QStringLiteral("zehn"));
    type(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(m_reported, QStringList{"„zehn“ ist keine gültige ganze Zahl."});
    EXPECT_EQ(m_main.rowLength->text(), "zehn");
    EXPECT_EQ(m_main.rowLengthBar->value(), 90);
    EXPECT_EQ(m_state.rowLength, 90);  // set when the field gained the focus
}

TEST_F(WindowsTest, ClickingIntoTheRowLengthShowsTheBar) {
    m_main.rowLength->setText(QStringLiteral("77"));
    QTest::mouseClick(m_main.rowLength, Qt::LeftButton);
    EXPECT_EQ(m_main.rowLength->text(), "90");
    EXPECT_EQ(m_state.rowLength, 90);
}

TEST_F(WindowsTest, AltBScansFromAnyControl) {
    m_main.upperBound->setFocus();
    m_main.upperBound->setText(QStringLiteral("100"));
    m_main.rowLength->setText(QStringLiteral("10"));
    pressMnemonic(Qt::Key_B, m_main.computeButton);
    EXPECT_EQ(listed(), 10 + 27);
    EXPECT_EQ(m_state.scanned, true);
}

TEST_F(WindowsTest, TabPassesOverTheControlsWithoutTabStop) {
    const QList<QWidget*> expected = {m_main.graphButton, m_main.closeButton, m_main.lowerBound,
                                      m_main.upperBound, m_main.computeButton};
    for (QWidget* next : expected) {
        type(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(WindowsTest, TheGraphWindowsTabOrder) {
    activate(m_graph);
    m_graph.colorChoice->setFocus();
    const QList<QWidget*> expected = {m_graph.clearButton,      m_graph.sticksButton,
                                      m_graph.histogramButton,  m_graph.closeButton,
                                      m_graph.scannedRowLength, m_graph.scannedLower,
                                      m_graph.scannedUpper,     m_graph.colorChoice};
    for (QWidget* next : expected) {
        type(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

// One row holding four primes gives p = 1: the fields and the table show the fit up to the
// first B(n;p), the other cells and fields the earlier fit's texts, and the picture stays clear.
TEST_F(WindowsTest, AFitThatFailsHalfwayShowsWhatItWrote) {
    scan();
    m_main.onGraphClicked();
    ASSERT_TRUE(m_reported.isEmpty());
    const QString earlierB = m_graph.table->cell(1, 2);
    const QString earlierH = m_graph.table->cell(5, 1);
    const QString earlierMean = m_graph.observedMean->text();
    m_main.upperBound->setText(QStringLiteral("10"));
    m_main.rowLength->setText(QStringLiteral("10"));
    scan();
    m_main.onGraphClicked();
    ASSERT_EQ(m_reported.size(), 1);
    EXPECT_EQ(m_graph.n->text(), "4");
    EXPECT_EQ(m_graph.p->text(), "1,0000");
    EXPECT_EQ(m_graph.table->cell(1, 0), "0");
    EXPECT_EQ(m_graph.table->cell(1, 1), "0,0000");
    EXPECT_EQ(m_graph.table->cell(1, 2), earlierB);
    EXPECT_EQ(m_graph.table->cell(5, 1), earlierH);  // h(4) = 1 is not reached
    EXPECT_NE(earlierH, "1,0000");
    EXPECT_EQ(m_graph.observedMean->text(), earlierMean);
    EXPECT_EQ(m_graph.results().fields.p, "1,0000");
    for (int y = 30; y < 376; ++y) {  // cleared, and nothing drawn after the fit
        ASSERT_EQ(picture().pixel(48 + 4 * 35, y), kWhite) << y;
    }
}

TEST_F(WindowsTest, EscInTheMainWindowDoesNothing) {
    scan();
    m_main.upperBound->setFocus();
    m_main.upperBound->setText(QStringLiteral("77"));
    type(Qt::Key_Escape);
    EXPECT_EQ(m_main.upperBound->text(), "77");
    EXPECT_EQ(listed(), 527);
    EXPECT_TRUE(m_main.isVisible());
    EXPECT_TRUE(picture().isNull());
}

TEST_F(WindowsTest, EscInTheGraphWindowClearsAndDrawsTheAxes) {
    scan();
    QTest::mouseClick(m_main.graphButton, Qt::LeftButton);
    activate(m_graph);
    m_graph.colorChoice->setFocus();
    type(Qt::Key_Escape);
    EXPECT_EQ(picture().pixel(40, 329), kBlack);
    EXPECT_EQ(picture().pixel(48 + 9 * 35, 329 - 70), kWhite);  // no chart
    // Enter on the colour grid draws the sticks over the axes, without clearing.
    QTest::mouseClick(m_graph.colorChoice, Qt::LeftButton, {}, QPoint(8, 26));  // first cell below
    EXPECT_EQ(m_graph.colorChoice->foregroundIndex(), 8);
    type(Qt::Key_Return);
    EXPECT_EQ(picture().pixel(48 + 9 * 35, 329 - 70), 0xFFC0C0C0U);  // silver stick
    EXPECT_EQ(picture().pixel(48 + 9 * 35 + 17, 300), kWhite);       // no bars
}

TEST_F(WindowsTest, ShiftEnterInTheGraphFieldsRedrawsTheFit) {
    scan();
    QTest::mouseClick(m_main.graphButton, Qt::LeftButton);
    activate(m_graph);
    for (EditField* field : {m_graph.n, m_graph.p}) {
        QTest::mouseClick(m_graph.clearButton, Qt::LeftButton);  // axes only
        field->setFocus();
        field->setText(QStringLiteral("3"));
        type(Qt::Key_Return, Qt::ShiftModifier);
        EXPECT_EQ(m_graph.n->text(), "18");
        EXPECT_EQ(m_graph.p->text(), "0,5058");
        EXPECT_EQ(picture().pixel(48 + 9 * 35, 329 - 70), kNavy);  // sticks
        EXPECT_EQ(picture().pixel(48 + 9 * 35 + 17, 300), kNavy);  // bars
    }
}

TEST_F(WindowsTest, AChartBeforeAnyAxesFillsTheTableButDrawsNothing) {
    scan();
    QTest::mouseClick(m_graph.sticksButton, Qt::LeftButton);
    EXPECT_EQ(m_graph.n->text(), "18");
    EXPECT_EQ(m_graph.table->cell(10, 1), "0,1944");
    ASSERT_FALSE(picture().isNull());  // the first drawing gives a white surface
    QImage white(picture().size(), picture().format());
    white.fill(Qt::white);
    EXPECT_EQ(picture(), white);
}

TEST_F(WindowsTest, GraphAfterARefusedFirstScanReportsTheFailure) {
    m_main.upperBound->setText(QStringLiteral("0"));
    scan();
    EXPECT_EQ(m_state.scanned, true);
    m_graph.hide();
    QTest::mouseClick(m_main.graphButton, Qt::LeftButton);
    EXPECT_TRUE(m_graph.isVisible());
    EXPECT_EQ(m_reported, QStringList{"Ungültige Gleitkommaoperation."});
    EXPECT_EQ(picture().pixel(0, 0), kBlack);     // cleared inside its frame
    EXPECT_EQ(picture().pixel(40, 329), kWhite);  // no axes
    EXPECT_EQ(m_graph.table->cell(0, 2), "B(n;p)");
    EXPECT_EQ(m_graph.n->text(), "20");
}

TEST_F(WindowsTest, ClosingTheGraphWindowHidesItUntilTheNextGraph) {
    scan();
    QTest::mouseClick(m_main.graphButton, Qt::LeftButton);
    activate(m_graph);
    pressMnemonic(Qt::Key_S, m_graph.closeButton);
    EXPECT_FALSE(m_graph.isVisible());
    EXPECT_TRUE(m_main.isVisible());
    QTest::mouseClick(m_graph.clearButton, Qt::LeftButton);  // hidden, but the picture keeps
    m_main.rowLength->setText(QStringLiteral("45"));
    QTest::mouseClick(m_main.graphButton, Qt::LeftButton);
    EXPECT_TRUE(m_graph.isVisible());
    EXPECT_EQ(m_graph.scannedRowLength->text(), "90");
    EXPECT_EQ(picture().pixel(48 + 9 * 35, 329 - 70), kNavy);
}

TEST_F(WindowsTest, TheListDocksToTheBottomEdge) {
    m_main.resize(1200, 900);
    EXPECT_EQ(m_main.rowList->geometry(), QRect(0, 900 - 582, 1200, 582));
}

TEST_F(WindowsTest, TheListModelStaysConsistent) {
    QAbstractItemModelTester tester(&m_main.rowList->items(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    scan();
    m_main.upperBound->setText(QStringLiteral("0"));
    scan();
    EXPECT_EQ(listed(), 0);
}

TEST_F(WindowsTest, RowsOfMillionsOfMarksCanBeScrolledToTheirEnd) {
    m_main.upperBound->setText(QStringLiteral("10000000"));
    m_main.rowLength->setText(QStringLiteral("5000000"));
    scan();
    ASSERT_EQ(listed(), 2 + 27);
    ListBox& list = *m_main.rowList;
    // The view lays its rows out when the event loop comes round.
    EXPECT_TRUE(QTest::qWaitFor([&list] { return list.horizontalScrollBar()->maximum() > 0; }));
    const int advance = QFontMetrics(list.font()).horizontalAdvance(QLatin1Char('O'));
    const int lineWidth = static_cast<int>(line(0).size()) * advance;
    EXPECT_GE(list.horizontalScrollBar()->maximum() + list.viewport()->width(), lineWidth);
    list.horizontalScrollBar()->setValue(list.horizontalScrollBar()->maximum());
    // The first row's last character, its count of primes, is painted where the line ends, and
    // nothing after it.
    const QImage shown = list.viewport()->grab().toImage();
    const qreal ratio = shown.devicePixelRatio();
    const auto inked = [&shown, ratio](const QRect& area) {
        int dark = 0;
        const QRect pixels(QPoint(qRound(area.left() * ratio), qRound(area.top() * ratio)),
                           QPoint(qRound((area.right() + 1) * ratio) - 1,
                                  qRound((area.bottom() + 1) * ratio) - 1));
        for (int y = std::max(pixels.top(), 0); y <= std::min(pixels.bottom(), shown.height() - 1);
             ++y) {
            for (int x = std::max(pixels.left(), 0);
                 x <= std::min(pixels.right(), shown.width() - 1); ++x) {
                dark += qGray(shown.pixel(x, y)) < 128 ? 1 : 0;
            }
        }
        return dark;
    };
    const QRect row = list.visualRect(list.items().index(0));
    const int end = row.left() + 2 + lineWidth;
    ASSERT_GT(end, advance);
    ASSERT_LE(end, list.viewport()->width());
    EXPECT_GT(inked({end - advance, row.top(), advance, row.height()}), 0);
    EXPECT_EQ(inked({end + advance, row.top(), list.viewport()->width(), row.height()}), 0);
}

TEST_F(WindowsTest, AMillionRowsAreListedAndTheLastIsReached) {
    m_main.upperBound->setText(QStringLiteral("10000000"));
    m_main.rowLength->setText(QStringLiteral("10"));
    scan();
    ASSERT_EQ(listed(), 1'000'000 + 27);
    EXPECT_EQ(line(999'999), "9999991  O+++++++++  1");
    m_main.rowList->scrollToBottom();
    QApplication::processEvents();
    EXPECT_EQ(m_main.rowList->indexAt({5, m_main.rowList->viewport()->height() - 5}).row(),
              1'000'000 + 26);
}

}  // namespace
}  // namespace ui

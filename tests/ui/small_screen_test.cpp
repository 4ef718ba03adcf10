// Run on screens smaller than the windows' layouts (see tests/CMakeLists.txt): every control must
// stay within reach.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListView>
#include <QScreen>
#include <QScrollBar>
#include <functional>

#include "ui/color_grid.h"
#include "ui/text_grid.h"
#include "ui/windows_fixture.h"

namespace ui {
namespace {

class SmallScreen : public WindowsTest {
protected:
    static QScrollBar* bar(QWidget& window, const char* name) {
        auto* found =
            window.findChild<QScrollBar*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QScrollBar* horizontal(QWidget& window) { return bar(window, "horizontalWindowBar"); }
    static QScrollBar* vertical(QWidget& window) { return bar(window, "verticalWindowBar"); }
    // The part of the client area not covered by the window's scroll bars.
    static QRect visibleArea(QWidget& window) {
        QRect area = window.rect();
        if (vertical(window)->isVisible()) {
            EXPECT_EQ(vertical(window)->geometry().right(), area.right());
            area.setRight(vertical(window)->geometry().left() - 1);
        }
        if (horizontal(window)->isVisible()) {
            EXPECT_EQ(horizontal(window)->geometry().bottom(), area.bottom());
            area.setBottom(horizontal(window)->geometry().top() - 1);
        }
        return area;
    }
    static bool inView(QWidget& window, const QWidget& control) {
        return visibleArea(window).contains(control.geometry());
    }
    // The control of the window that a click at this point reaches.
    static QWidget* controlAt(QWidget& window, QPoint point) {
        QWidget* widget = window.childAt(point);
        while (widget != nullptr && widget->parentWidget() != &window) {
            widget = widget->parentWidget();
        }
        return widget;
    }
    // The controls of the layout: the window's children but for its own scroll bars.
    static std::vector<QWidget*> controls(QWidget& window) {
        std::vector<QWidget*> result;
        for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow() &&
                !child->objectName().contains(QLatin1String("windowBar"), Qt::CaseInsensitive)) {
                result.push_back(child);
            }
        }
        return result;
    }
    // Drags one bar from its start, pixel by pixel, until the control's extent along it shows.
    static void scrollAlong(QScrollBar* bar, const std::function<bool()>& shows) {
        for (int value = bar->minimum(); value <= bar->maximum(); ++value) {
            bar->setValue(value);
            if (shows()) {
                return;
            }
        }
        bar->setValue(bar->maximum());
    }
    void expectEveryControlReached(QWidget& window) {
        for (QWidget* control : controls(window)) {
            const std::string name = control->objectName().toStdString();
            horizontal(window)->setValue(0);
            vertical(window)->setValue(0);
            scrollAlong(horizontal(window), [&] {
                const QRect area = visibleArea(window);
                return control->x() >= area.left() && control->geometry().right() <= area.right();
            });
            scrollAlong(vertical(window), [&] {
                const QRect area = visibleArea(window);
                return control->y() >= area.top() && control->geometry().bottom() <= area.bottom();
            });
            EXPECT_TRUE(inView(window, *control)) << name;
            EXPECT_EQ(controlAt(window, control->geometry().center()), control) << name;
        }
    }
};

TEST_F(SmallScreen, BothWindowsLieInTheScreensFreeArea) {
    for (QWidget* window : {static_cast<QWidget*>(&m_main), static_cast<QWidget*>(&m_graph)}) {
        EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()))
            << window->objectName().toStdString();
    }
}

TEST_F(SmallScreen, EveryControlCanBeScrolledIntoView) {
    expectEveryControlReached(m_main);
    expectEveryControlReached(m_graph);
}

TEST_F(SmallScreen, TheListStaysInTheVisibleBottomOfTheMainWindow) {
    const QRect area = visibleArea(m_main);
    const QRect list = m_main.rowList->geometry();
    EXPECT_EQ(list.left(), 0);
    EXPECT_EQ(list.width(), area.width());
    EXPECT_EQ(list.bottom(), area.bottom());
    EXPECT_GE(list.height(), 5 * 17);
    // The range, the row length and the buttons keep their places above it.
    EXPECT_EQ(m_main.computeButton->geometry().topLeft() - m_main.lowerBound->geometry().topLeft(),
              QPoint(336 - 128, 8 - 12));
    EXPECT_LE(m_main.rowLengthBar->geometry().bottom(), list.top());
    // Scrolled sideways, the buttons move and the list stays.
    horizontal(m_main)->setValue(horizontal(m_main)->maximum());
    EXPECT_TRUE(inView(m_main, *m_main.closeButton));
    EXPECT_TRUE(inView(m_main, *m_main.primesPerRowHeading));
    EXPECT_EQ(m_main.rowList->geometry(), list);
}

TEST_F(SmallScreen, TabBringsEachFieldAndButtonIntoView) {
    activate(m_graph);
    m_graph.colorChoice->setFocus();
    horizontal(m_graph)->setValue(0);
    vertical(m_graph)->setValue(0);
    for (QWidget* next :
         {static_cast<QWidget*>(m_graph.clearButton), static_cast<QWidget*>(m_graph.sticksButton),
          static_cast<QWidget*>(m_graph.histogramButton),
          static_cast<QWidget*>(m_graph.closeButton),
          static_cast<QWidget*>(m_graph.scannedRowLength),
          static_cast<QWidget*>(m_graph.scannedLower), static_cast<QWidget*>(m_graph.scannedUpper),
          static_cast<QWidget*>(m_graph.colorChoice)}) {
        type(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
        EXPECT_TRUE(inView(m_graph, *next)) << next->objectName().toStdString();
    }
}

// Only on screens lower than the graph window's layout.
TEST_F(SmallScreen, TheLowestButtonsAreReachedByScrollingAndWork) {
    scan();
    m_main.onGraphClicked();
    activate(m_graph);
    ASSERT_TRUE(vertical(m_graph)->isVisible());
    ASSERT_FALSE(inView(m_graph, *m_graph.clearButton));
    vertical(m_graph)->setValue(vertical(m_graph)->maximum());
    horizontal(m_graph)->setValue(0);
    ASSERT_TRUE(inView(m_graph, *m_graph.clearButton));

    // Click where the button shows in the window.
    const QPoint where = m_graph.clearButton->geometry().center();
    ASSERT_EQ(m_graph.childAt(where), m_graph.clearButton);
    QTest::mouseClick(m_graph.clearButton, Qt::LeftButton, {},
                      m_graph.clearButton->mapFrom(&m_graph, where));
    EXPECT_EQ(picture().pixel(48 + 9 * 35, 329 - 70), kWhite);  // the sticks are cleared
    EXPECT_EQ(picture().pixel(40, 329), kBlack);                // the axes are drawn

    horizontal(m_graph)->setValue(horizontal(m_graph)->maximum());
    ASSERT_TRUE(inView(m_graph, *m_graph.closeButton));
    ASSERT_TRUE(inView(m_graph, *m_graph.scannedUpper));
    const QPoint close = m_graph.closeButton->geometry().center();
    ASSERT_EQ(m_graph.childAt(close), m_graph.closeButton);
    QTest::mouseClick(m_graph.closeButton, Qt::LeftButton, {},
                      m_graph.closeButton->mapFrom(&m_graph, close));
    EXPECT_FALSE(m_graph.isVisible());
    EXPECT_TRUE(m_reported.isEmpty());
}

// Only on screens where both windows fit as laid out.
TEST_F(SmallScreen, WhereTheWindowsFitTheyAreAsLaidOut) {
    EXPECT_EQ(m_main.pos(), QPoint(10, 0));
    EXPECT_EQ(m_main.size(), QSize(967, 678));
    EXPECT_EQ(m_graph.pos(), QPoint(213, 3));
    EXPECT_EQ(m_graph.size(), QSize(803, 702));
    for (QWidget* window : {static_cast<QWidget*>(&m_main), static_cast<QWidget*>(&m_graph)}) {
        EXPECT_FALSE(horizontal(*window)->isVisible());
        EXPECT_FALSE(vertical(*window)->isVisible());
    }
    EXPECT_EQ(m_main.rowList->geometry(), QRect(0, 96, 967, 582));
    EXPECT_EQ(m_graph.closeButton->geometry(), QRect(682, 628, 103, 38));
}

}  // namespace
}  // namespace ui

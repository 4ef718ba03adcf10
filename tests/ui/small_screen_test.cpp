// Run on screens smaller than the windows' layouts (see tests/CMakeLists.txt): every control must
// stay within reach.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListView>
#include <QScreen>
#include <QScrollBar>
#include <functional>

#include "ui/color_grid.h"
#include "ui/string_grid.h"
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
    for (QWidget* window : {static_cast<QWidget*>(&m_form1), static_cast<QWidget*>(&m_form2)}) {
        EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()))
            << window->objectName().toStdString();
    }
}

TEST_F(SmallScreen, EveryControlCanBeScrolledIntoView) {
    expectEveryControlReached(m_form1);
    expectEveryControlReached(m_form2);
}

TEST_F(SmallScreen, TheListStaysInTheVisibleBottomOfTheMainWindow) {
    const QRect area = visibleArea(m_form1);
    const QRect list = m_form1.ListBox1->geometry();
    EXPECT_EQ(list.left(), 0);
    EXPECT_EQ(list.width(), area.width());
    EXPECT_EQ(list.bottom(), area.bottom());
    EXPECT_GE(list.height(), 5 * 17);
    // The range, the row length and the buttons keep their places above it.
    EXPECT_EQ(m_form1.BitBtn1->geometry().topLeft() - m_form1.Edit2->geometry().topLeft(),
              QPoint(336 - 128, 8 - 12));
    EXPECT_LE(m_form1.ScrollBar1->geometry().bottom(), list.top());
    // Scrolled sideways, the buttons move and the list stays.
    horizontal(m_form1)->setValue(horizontal(m_form1)->maximum());
    EXPECT_TRUE(inView(m_form1, *m_form1.BitBtn2));
    EXPECT_TRUE(inView(m_form1, *m_form1.Label7));
    EXPECT_EQ(m_form1.ListBox1->geometry(), list);
}

TEST_F(SmallScreen, TabBringsEachFieldAndButtonIntoView) {
    activate(m_form2);
    m_form2.Farbwahl->setFocus();
    horizontal(m_form2)->setValue(0);
    vertical(m_form2)->setValue(0);
    for (QWidget* next :
         {static_cast<QWidget*>(m_form2.BitBtn3), static_cast<QWidget*>(m_form2.graph1),
          static_cast<QWidget*>(m_form2.graph2), static_cast<QWidget*>(m_form2.BitBtn1),
          static_cast<QWidget*>(m_form2.Edit7), static_cast<QWidget*>(m_form2.Edit8),
          static_cast<QWidget*>(m_form2.Edit9), static_cast<QWidget*>(m_form2.Farbwahl)}) {
        type(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
        EXPECT_TRUE(inView(m_form2, *next)) << next->objectName().toStdString();
    }
}

// Only on screens lower than the graph window's layout.
TEST_F(SmallScreen, TheLowestButtonsAreReachedByScrollingAndWork) {
    scan();
    m_form1.Graph1Click();
    activate(m_form2);
    ASSERT_TRUE(vertical(m_form2)->isVisible());
    ASSERT_FALSE(inView(m_form2, *m_form2.BitBtn3));
    vertical(m_form2)->setValue(vertical(m_form2)->maximum());
    horizontal(m_form2)->setValue(0);
    ASSERT_TRUE(inView(m_form2, *m_form2.BitBtn3));

    // Click where the button shows in the window.
    const QPoint where = m_form2.BitBtn3->geometry().center();
    ASSERT_EQ(m_form2.childAt(where), m_form2.BitBtn3);
    QTest::mouseClick(m_form2.BitBtn3, Qt::LeftButton, {},
                      m_form2.BitBtn3->mapFrom(&m_form2, where));
    EXPECT_EQ(picture().pixel(48 + 9 * 35, 329 - 70), kWhite);  // the sticks are cleared
    EXPECT_EQ(picture().pixel(40, 329), kBlack);                // the axes are drawn

    horizontal(m_form2)->setValue(horizontal(m_form2)->maximum());
    ASSERT_TRUE(inView(m_form2, *m_form2.BitBtn1));
    ASSERT_TRUE(inView(m_form2, *m_form2.Edit9));
    const QPoint close = m_form2.BitBtn1->geometry().center();
    ASSERT_EQ(m_form2.childAt(close), m_form2.BitBtn1);
    QTest::mouseClick(m_form2.BitBtn1, Qt::LeftButton, {},
                      m_form2.BitBtn1->mapFrom(&m_form2, close));
    EXPECT_FALSE(m_form2.isVisible());
    EXPECT_TRUE(m_reported.isEmpty());
}

// Only on screens where both windows fit as laid out.
TEST_F(SmallScreen, WhereTheWindowsFitTheyAreAsLaidOut) {
    EXPECT_EQ(m_form1.pos(), QPoint(10, 0));
    EXPECT_EQ(m_form1.size(), QSize(967, 678));
    EXPECT_EQ(m_form2.pos(), QPoint(213, 3));
    EXPECT_EQ(m_form2.size(), QSize(803, 702));
    for (QWidget* window : {static_cast<QWidget*>(&m_form1), static_cast<QWidget*>(&m_form2)}) {
        EXPECT_FALSE(horizontal(*window)->isVisible());
        EXPECT_FALSE(vertical(*window)->isVisible());
    }
    EXPECT_EQ(m_form1.ListBox1->geometry(), QRect(0, 96, 967, 582));
    EXPECT_EQ(m_form2.BitBtn1->geometry(), QRect(682, 628, 103, 38));
}

}  // namespace
}  // namespace ui

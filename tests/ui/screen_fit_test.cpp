#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

#include "ui/windows_fixture.h"

namespace ui {
namespace {

// The window as it shows itself, compared with how it looked before windows could scroll; a
// mismatch leaves the picture taken in the temporary folder.
void expectUnchanged(QWidget& window, const QString& name) {
    const QImage actual = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage expected = QImage(QStringLiteral(PRIMZEILEN_TEST_DATA "/%1.png").arg(name))
                                .convertToFormat(QImage::Format_RGB32);
    if (actual != expected) {
        const QString path = QDir::temp().filePath(name + QStringLiteral("-actual.png"));
        actual.save(path);
        ADD_FAILURE() << name.toStdString() << " differs; taken: " << path.toStdString();
    }
}

// The scroll bars a window shows besides those of its layout.
int extraBarsShown(QWidget& window, const QScrollBar* ownBar) {
    int shown = 0;
    for (const QScrollBar* bar : window.findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly)) {
        shown += bar != ownBar && bar->isVisible() ? 1 : 0;
    }
    return shown;
}

TEST_F(WindowsTest, OnAScreenLargeEnoughTheWindowsAreAsLaidOut) {
    const QRect available = m_form1.screen()->availableGeometry();
    ASSERT_TRUE(available.contains(m_form1.frameGeometry()));
    ASSERT_TRUE(available.contains(m_form2.frameGeometry()));
    EXPECT_EQ(m_form1.pos(), QPoint(10, 0));
    EXPECT_EQ(m_form1.size(), QSize(967, 678));
    EXPECT_EQ(m_form2.pos(), QPoint(213, 3));
    EXPECT_EQ(m_form2.size(), QSize(803, 702));
    EXPECT_EQ(m_form1.ListBox1->geometry(), QRect(0, 96, 967, 582));
    EXPECT_EQ(m_form1.BitBtn2->geometry(), QRect(850, 8, 95, 33));
    EXPECT_EQ(m_form2.BitBtn1->geometry(), QRect(682, 628, 103, 38));
    EXPECT_EQ(m_form2.Edit9->geometry(), QRect(720, 576, 65, 21));
    EXPECT_EQ(extraBarsShown(m_form1, m_form1.ScrollBar1), 0);
    EXPECT_EQ(extraBarsShown(m_form2, nullptr), 0);
    expectUnchanged(m_form1, QStringLiteral("form1_start_up"));
    expectUnchanged(m_form2, QStringLiteral("form2_start_up"));

    scan();
    m_form1.Graph1Click();
    activate(m_form2);
    expectUnchanged(m_form1, QStringLiteral("form1_listed"));
    expectUnchanged(m_form2, QStringLiteral("form2_drawn"));
}

QScrollBar* windowBar(QWidget& window, const char* name) {
    auto* bar = window.findChild<QScrollBar*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    EXPECT_NE(bar, nullptr) << name;
    return bar;
}

TEST_F(WindowsTest, AGraphWindowMadeSmallerScrollsAndReturnsToItsLayout) {
    QScrollBar* across = windowBar(m_form2, "horizontalWindowBar");
    QScrollBar* down = windowBar(m_form2, "verticalWindowBar");
    m_form2.resize(500, 400);
    ASSERT_TRUE(across->isVisible());
    ASSERT_TRUE(down->isVisible());
    EXPECT_EQ(across->geometry().bottom(), 399);
    EXPECT_EQ(down->geometry().right(), 499);

    // The wheel over a label scrolls the window: the label passes the turn on to the window.
    const QPointF overLabel = m_form2.Label1->geometry().center();
    QWheelEvent wheel(overLabel, m_form2.mapToGlobal(overLabel), {}, {0, -120}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&m_form2, &wheel);
    EXPECT_GT(down->value(), 0);
    EXPECT_EQ(across->value(), 0);

    // At the ends the layout's last column and row meet the bars.
    across->setValue(across->maximum());
    down->setValue(down->maximum());
    const QPoint offset(across->value(), down->value());
    EXPECT_EQ(m_form2.Bild->pos(), QPoint(16, 8) - offset);
    EXPECT_EQ(803 - offset.x(), down->x());
    EXPECT_EQ(702 - offset.y(), across->y());

    m_form2.resize(803, 702);
    EXPECT_FALSE(across->isVisible());
    EXPECT_FALSE(down->isVisible());
    EXPECT_EQ(m_form2.BitBtn1->geometry(), QRect(682, 628, 103, 38));
    expectUnchanged(m_form2, QStringLiteral("form2_start_up"));
}

TEST_F(WindowsTest, AMainWindowMadeLowerTakesTheHeightFromTheListFirst) {
    QScrollBar* across = windowBar(m_form1, "horizontalWindowBar");
    QScrollBar* down = windowBar(m_form1, "verticalWindowBar");
    m_form1.resize(967, 400);
    EXPECT_FALSE(across->isVisible());
    EXPECT_FALSE(down->isVisible());
    EXPECT_EQ(m_form1.ListBox1->geometry(), QRect(0, 96, 967, 400 - 96));
    EXPECT_EQ(m_form1.BitBtn2->geometry(), QRect(850, 8, 95, 33));

    // Too low even for what the list keeps: the window scrolls, the list spans what shows.
    m_form1.resize(600, 150);
    ASSERT_TRUE(across->isVisible());
    ASSERT_TRUE(down->isVisible());
    const int listHeight = m_form1.ListBox1->height();
    EXPECT_LT(listHeight, 150);
    EXPECT_EQ(m_form1.ListBox1->width(), down->x());
    down->setValue(down->maximum());
    EXPECT_EQ(m_form1.ListBox1->geometry(),
              QRect(0, across->y() - listHeight, down->x(), listHeight));
    across->setValue(across->maximum());
    EXPECT_EQ(m_form1.ListBox1->x(), 0);
    EXPECT_EQ(m_form1.BitBtn2->geometry().right(), down->x() - 1 - (967 - 945));

    m_form1.resize(967, 678);
    EXPECT_FALSE(across->isVisible());
    EXPECT_FALSE(down->isVisible());
    EXPECT_EQ(m_form1.ListBox1->geometry(), QRect(0, 96, 967, 582));
    expectUnchanged(m_form1, QStringLiteral("form1_start_up"));
}

}  // namespace
}  // namespace ui

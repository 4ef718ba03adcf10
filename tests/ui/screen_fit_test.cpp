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
    const QRect available = m_main.screen()->availableGeometry();
    ASSERT_TRUE(available.contains(m_main.frameGeometry()));
    ASSERT_TRUE(available.contains(m_graph.frameGeometry()));
    EXPECT_EQ(m_main.pos(), QPoint(10, 0));
    EXPECT_EQ(m_main.size(), QSize(967, 678));
    EXPECT_EQ(m_graph.pos(), QPoint(213, 3));
    EXPECT_EQ(m_graph.size(), QSize(803, 702));
    EXPECT_EQ(m_main.rowList->geometry(), QRect(0, 96, 967, 582));
    EXPECT_EQ(m_main.closeButton->geometry(), QRect(850, 8, 95, 33));
    EXPECT_EQ(m_graph.closeButton->geometry(), QRect(682, 628, 103, 38));
    EXPECT_EQ(m_graph.scannedUpper->geometry(), QRect(720, 576, 65, 21));
    EXPECT_EQ(extraBarsShown(m_main, m_main.rowLengthBar), 0);
    EXPECT_EQ(extraBarsShown(m_graph, nullptr), 0);
    expectUnchanged(m_main, QStringLiteral("form1_start_up"));
    expectUnchanged(m_graph, QStringLiteral("form2_start_up"));

    scan();
    m_main.onGraphClicked();
    activate(m_graph);
    expectUnchanged(m_main, QStringLiteral("form1_listed"));
    expectUnchanged(m_graph, QStringLiteral("form2_drawn"));
}

QScrollBar* windowBar(QWidget& window, const char* name) {
    auto* bar = window.findChild<QScrollBar*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    EXPECT_NE(bar, nullptr) << name;
    return bar;
}

TEST_F(WindowsTest, AGraphWindowMadeSmallerScrollsAndReturnsToItsLayout) {
    QScrollBar* across = windowBar(m_graph, "horizontalWindowBar");
    QScrollBar* down = windowBar(m_graph, "verticalWindowBar");
    m_graph.resize(500, 400);
    ASSERT_TRUE(across->isVisible());
    ASSERT_TRUE(down->isVisible());
    EXPECT_EQ(across->geometry().bottom(), 399);
    EXPECT_EQ(down->geometry().right(), 499);

    // The wheel over a label scrolls the window: the label passes the turn on to the window.
    const QPointF overLabel = m_graph.tableHeading->geometry().center();
    QWheelEvent wheel(overLabel, m_graph.mapToGlobal(overLabel), {}, {0, -120}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&m_graph, &wheel);
    EXPECT_GT(down->value(), 0);
    EXPECT_EQ(across->value(), 0);

    // At the ends the layout's last column and row meet the bars.
    across->setValue(across->maximum());
    down->setValue(down->maximum());
    const QPoint offset(across->value(), down->value());
    EXPECT_EQ(m_graph.pictureBox->pos(), QPoint(16, 8) - offset);
    EXPECT_EQ(803 - offset.x(), down->x());
    EXPECT_EQ(702 - offset.y(), across->y());

    m_graph.resize(803, 702);
    EXPECT_FALSE(across->isVisible());
    EXPECT_FALSE(down->isVisible());
    EXPECT_EQ(m_graph.closeButton->geometry(), QRect(682, 628, 103, 38));
    expectUnchanged(m_graph, QStringLiteral("form2_start_up"));
}

TEST_F(WindowsTest, AMainWindowMadeLowerTakesTheHeightFromTheListFirst) {
    QScrollBar* across = windowBar(m_main, "horizontalWindowBar");
    QScrollBar* down = windowBar(m_main, "verticalWindowBar");
    m_main.resize(967, 400);
    EXPECT_FALSE(across->isVisible());
    EXPECT_FALSE(down->isVisible());
    EXPECT_EQ(m_main.rowList->geometry(), QRect(0, 96, 967, 400 - 96));
    EXPECT_EQ(m_main.closeButton->geometry(), QRect(850, 8, 95, 33));

    // Too low even for what the list keeps: the window scrolls, the list spans what shows.
    m_main.resize(600, 150);
    ASSERT_TRUE(across->isVisible());
    ASSERT_TRUE(down->isVisible());
    const int listHeight = m_main.rowList->height();
    EXPECT_LT(listHeight, 150);
    EXPECT_EQ(m_main.rowList->width(), down->x());
    down->setValue(down->maximum());
    EXPECT_EQ(m_main.rowList->geometry(),
              QRect(0, across->y() - listHeight, down->x(), listHeight));
    across->setValue(across->maximum());
    EXPECT_EQ(m_main.rowList->x(), 0);
    EXPECT_EQ(m_main.closeButton->geometry().right(), down->x() - 1 - (967 - 945));

    m_main.resize(967, 678);
    EXPECT_FALSE(across->isVisible());
    EXPECT_FALSE(down->isVisible());
    EXPECT_EQ(m_main.rowList->geometry(), QRect(0, 96, 967, 582));
    expectUnchanged(m_main, QStringLiteral("form1_start_up"));
}

}  // namespace
}  // namespace ui

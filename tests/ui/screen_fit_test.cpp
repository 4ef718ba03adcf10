#include <gtest/gtest.h>

#include <QDir>
#include <QScreen>
#include <QScrollBar>

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

}  // namespace
}  // namespace ui

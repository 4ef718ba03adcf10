#include "core/list_lines.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include "support/numbered_lines.h"

namespace core {
namespace {

using test_lines::Numbered;

TEST(LineList, KeepsSingleLinesAndBlocksInTheOrderAdded) {
    LineList list;
    list.addLine("first");
    list.addLines(std::make_shared<Numbered>(3));
    list.addLines(std::make_shared<Numbered>(0));
    list.addLine(" ");
    list.addLine(QString());
    list.addLines(std::make_shared<Numbered>(2));

    ASSERT_EQ(list.count(), 8);
    const QStringList expected = {"first", "row 0", "row 1", "row 2", " ", "", "row 0", "row 1"};
    for (qsizetype i = 0; i < list.count(); ++i) {
        EXPECT_EQ(list.line(i), expected.at(i)) << i;
    }
    EXPECT_EQ(list.line(8), QString());
    EXPECT_EQ(list.longestLine(), 11);
    list.addLine("a line longer than the rows");
    EXPECT_EQ(list.longestLine(), 27);
    EXPECT_EQ(list.line(-1), QString());
}

TEST(LineList, ClearEmptiesIt) {
    LineList list;
    list.addLines(std::make_shared<Numbered>(1'000'000));
    list.addLine("tail");
    EXPECT_EQ(list.line(1'000'000), "tail");
    list.clearLines();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.longestLine(), 0);
    list.addLine("again");
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(list.line(0), "again");
}

TEST(LineList, TextOfRangesIsInListOrderWithEachLineOnce) {
    LineList list;
    list.addLine("a");
    list.addLines(std::make_shared<Numbered>(4));
    list.addLine("z");
    EXPECT_EQ(linesText(list, {{4, 5}, {0, 1}, {1, 2}}), "a\nrow 0\nrow 1\nrow 3\nz\n");
    EXPECT_EQ(linesText(list, {{2, 2}, {0, 5}}), "a\nrow 0\nrow 1\nrow 2\nrow 3\nz\n");
    EXPECT_EQ(linesText(list, {}), "");
}

// More than one chunk of the writer's buffer, and non-ASCII text.
TEST(LineList, WrittenLinesAreTheListInUtf8) {
    LineList list;
    list.addLine("Häufigkeit");
    list.addLines(std::make_shared<Numbered>(200'000));
    list.addLine(QString());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
    writeLines(list, buffer);
    EXPECT_GT(bytes.size(), 1 << 20);
    EXPECT_EQ(bytes, linesText(list, {{0, list.count() - 1}}).toUtf8());
    EXPECT_TRUE(bytes.startsWith("H\xC3\xA4ufigkeit\nrow 0\n"));
    EXPECT_TRUE(bytes.endsWith("row 199999\n\n"));
}

}  // namespace
}  // namespace core

#include "core/save_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "core/line_writer.h"
#include "core/list_lines.h"
#include "core/system_error.h"
#include "support/numbered_lines.h"
#include "support/test_devices.h"

namespace core {
namespace {

using test_devices::Shrinking;
using WhenFull = Shrinking::WhenFull;

const QString kDiskFull = QStringLiteral("Auf dem Datenträger ist nicht genug Platz.");

using test_lines::Numbered;

TEST(WriteChecked, ADeviceThatFillsUpIsReportedAsAFullDisk) {
    // A writer that never looks at what write() returns is caught all the same.
    const QByteArray bytes(10'000, 'x');
    Shrinking careless(4096, 1000, WhenFull::FailsWithEnospc);
    EXPECT_EQ(writeChecked(careless, [&](QIODevice& device) { device.write(bytes); }), kDiskFull);
    EXPECT_EQ(careless.taken().size(), 4096);

    // The listing stops at the first failed write instead of making the rest of its lines.
    LineList lines;
    lines.addLines(std::make_shared<Numbered>(300'000));
    Shrinking full(3000, 1000, WhenFull::FailsWithEnospc);
    EXPECT_EQ(writeChecked(full, [&](QIODevice& device) { writeLines(lines, device); }), kDiskFull);
    EXPECT_EQ(full.calls(), 4);
}

TEST(WriteChecked, ShortWritesAreContinuedAndOneThatTakesNothingIsAFailure) {
    LineList lines;
    lines.addLines(std::make_shared<Numbered>(1000));
    const QByteArray whole = linesText(lines, {{0, lines.count() - 1}}).toUtf8();

    Shrinking slow(1 << 30, 7, WhenFull::TakesNothing);
    EXPECT_EQ(writeChecked(slow, [&](QIODevice& device) { writeLines(lines, device); }), QString());
    EXPECT_EQ(slow.taken(), whole);

    // No error set, no errno: still not a success.
    Shrinking stalled(100, 7, WhenFull::TakesNothing);
    const QString reason =
        writeChecked(stalled, [&](QIODevice& device) { writeLines(lines, device); });
    EXPECT_TRUE(reason.startsWith(QStringLiteral("Die Datei konnte nicht geschrieben werden (")))
        << reason.toStdString();
    EXPECT_EQ(stalled.taken(), whole.left(100));

    // Outside a save, the writer's checked write throws.
    Shrinking bare(100, 7, WhenFull::TakesNothing);
    EXPECT_THROW(writeLines(lines, bare), WriteFailure);
}

TEST(SaveFile, AWriterThatFailsHalfwayLeavesTheOldFileAsItWas) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("liste.txt"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        ASSERT_EQ(old.write("die alte Liste\n"), 15);
    }
    const QString reason = saveFile(path, [](QIODevice& device) {
        writeAll(device, QByteArray(100'000, 'n'));
        throw WriteFailure(QStringLiteral("kaputt"));
    });
    EXPECT_EQ(reason, QStringLiteral("Die Datei konnte nicht geschrieben werden (kaputt)."));
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "die alte Liste\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"liste.txt"});

    EXPECT_EQ(saveFile(path, [](QIODevice& device) { writeAll(device, "neu\n"); }), QString());
    kept.close();
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "neu\n");
}

// The command line and a save name the same failure each in its own words, from one table; where
// the table has no words for a form, that form names the system's text, never the other's words.
TEST(SystemReason, EachPathGetsItsOwnFormOfOneError) {
    EXPECT_EQ(systemErrorText(ENOSPC), QStringLiteral("Kein Platz auf dem Gerät"));
    EXPECT_EQ(systemReason(ENOSPC, ReasonForm::Sentence), kDiskFull);
    EXPECT_EQ(systemReason(EACCES, ReasonForm::Clause), systemReason(EPERM, ReasonForm::Clause));

    const QString isDirectory = QString::fromLocal8Bit(std::strerror(EISDIR));
    EXPECT_EQ(systemErrorText(EISDIR),
              QStringLiteral("Fehler %1 (%2)").arg(EISDIR).arg(isDirectory));
    EXPECT_EQ(systemReason(EISDIR, ReasonForm::Sentence),
              QStringLiteral("Unter diesem Namen gibt es einen Ordner."));
    EXPECT_EQ(systemReason(EBADF, ReasonForm::Sentence, QStringLiteral("kaputt")),
              QStringLiteral("Die Datei konnte nicht geschrieben werden (kaputt)."));
}

}  // namespace
}  // namespace core

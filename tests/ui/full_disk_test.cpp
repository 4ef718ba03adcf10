#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <map>
#include <utility>
#include <vector>

#include "ui/windows_fixture.h"

namespace ui {
namespace {

const QString kDiskFull = QStringLiteral("Auf dem Datenträger ist nicht genug Platz.");

// Every save of the windows onto a small file system of its own that is full, or has two pages
// left: each one is reported as a full disk and leaves the file it would replace as it was.
class FullDiskTest : public WindowsTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        const QByteArray where = QFile::encodeName(m_folder.path());
        if (::mount("primzeilen-test", where.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                    "size=2m") != 0) {
            GTEST_SKIP() << "No file system of its own to fill here: " << std::strerror(errno);
        }
        m_mounted = where;
    }
    void TearDown() override {
        if (m_filler >= 0) {
            ::close(m_filler);
        }
        if (!m_mounted.isEmpty()) {
            EXPECT_EQ(::umount2(m_mounted.constData(), MNT_DETACH), 0) << std::strerror(errno);
        }
    }

    [[nodiscard]] QString file(const char* name) const {
        return m_folder.filePath(QLatin1String(name));
    }
    [[nodiscard]] static QByteArray contents(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return file.readAll();
    }
    [[nodiscard]] qint64 freeBytes() const {
        struct statvfs status {};
        EXPECT_EQ(::statvfs(m_mounted.constData(), &status), 0);
        return static_cast<qint64>(status.f_bavail) * static_cast<qint64>(status.f_frsize);
    }
    // Writes a filler file until the system says the disk is full.
    void fill() {
        m_filler = ::open(QFile::encodeName(file("filler")).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ASSERT_GE(m_filler, 0);
        const QByteArray block(4096, 'f');
        for (;;) {
            const ssize_t written = ::write(m_filler, block.constData(), 4096);
            if (written < 0) {
                ASSERT_EQ(errno, ENOSPC);
                break;
            }
            m_filled += written;
        }
        ASSERT_EQ(freeBytes(), 0);
    }
    // Frees `bytes` of the filler, whole pages; never fills again.
    void leaveFree(qint64 bytes) {
        ASSERT_EQ(::ftruncate(m_filler, m_filled - bytes), 0);
        ASSERT_EQ(freeBytes(), bytes);
    }
    void scanUpTo(const char* upperBound, int lines) {
        m_main.upperBound->setText(QLatin1String(upperBound));
        m_main.rowLength->setText(QStringLiteral("10"));
        m_reported.clear();
        scan();
        ASSERT_EQ(listed(), lines);
    }
    // Saves with the window's own routine and expects one report naming the file and a full disk.
    template <class Save>
    void expectDiskFull(const QString& what, const QString& path, std::size_t type, Save save) {
        m_reported.clear();
        m_answer = SaveAnswer{path, type};
        save();
        ASSERT_EQ(m_reported.size(), 1) << path.toStdString() << " saved on a full disk";
        EXPECT_EQ(m_reported.front(),
                  QStringLiteral("%1 konnte nicht als „%2“ gespeichert werden.\n%3")
                      .arg(what, path, kDiskFull));
    }

    QTemporaryDir m_folder;
    QByteArray m_mounted;
    int m_filler = -1;
    qint64 m_filled = 0;
};

TEST_F(FullDiskTest, NothingIsSavedOverAnExistingFileAndTheReasonIsAFullDisk) {
    // The files as the windows saved them while there was room.
    const std::vector<std::pair<const char*, std::size_t>> pictures{
        {"bild.png", 0}, {"bild.svg", 2}, {"bild.pdf", 3}};
    scan();
    m_main.onGraphClicked();
    ASSERT_TRUE(m_reported.isEmpty()) << m_reported.join(u'\n').toStdString();
    m_answer = SaveAnswer{file("liste.txt"), 0};
    m_main.saveList();
    m_answer = SaveAnswer{file("tabelle.csv"), 0};
    m_graph.saveTable();
    for (const auto& [name, type] : pictures) {
        m_answer = SaveAnswer{file(name), type};
        m_graph.savePicture();
    }
    ASSERT_TRUE(m_reported.isEmpty()) << m_reported.join(u'\n').toStdString();
    QStringList names{"bild.pdf", "bild.png", "bild.svg", "liste.txt", "tabelle.csv"};
    ASSERT_EQ(QDir(m_folder.path()).entryList(QDir::Files), names);
    std::map<QString, QByteArray> before;
    for (const QString& name : names) {
        before[name] = contents(m_folder.filePath(name));
    }
    for (const auto& [name, type] : pictures) {
        ASSERT_GT(before[QLatin1String(name)].size(), 8192) << name;
    }

    const auto saveList = [this] { m_main.saveList(); };
    const auto savePicture = [this] { m_graph.savePicture(); };
    ASSERT_NO_FATAL_FAILURE(fill());
    // Nothing left: even a small file, held in a buffer until the flush, does not fit.
    ASSERT_NO_FATAL_FAILURE(scanUpTo("730", 100));
    expectDiskFull("Die Liste", file("liste.txt"), 0, saveList);
    expectDiskFull("Die Tabelle", file("tabelle.csv"), 0, [this] { m_graph.saveTable(); });
    for (const auto& [name, type] : pictures) {
        expectDiskFull("Das Bild", file(name), type, savePicture);
    }
    ASSERT_NO_FATAL_FAILURE(scanUpTo("999730", 100'000));
    expectDiskFull("Die Liste", file("liste.txt"), 0, saveList);

    // Two pages left: the first write takes what fits and says nothing; the next one fails.
    ASSERT_NO_FATAL_FAILURE(leaveFree(8192));
    expectDiskFull("Die Liste", file("liste.txt"), 0, saveList);
    for (const auto& [name, type] : pictures) {
        expectDiskFull("Das Bild", file(name), type, savePicture);
    }
    EXPECT_EQ(freeBytes(), 8192) << "a failed save keeps no space";

    names.append(QStringLiteral("filler"));
    names.sort();
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden), names)
        << "no temporary file is left behind";
    for (const auto& [name, bytes] : before) {
        EXPECT_EQ(contents(m_folder.filePath(name)), bytes) << name.toStdString();
    }

    // With room again the same save goes through, every line ended by a line feed.
    ::close(m_filler);
    m_filler = -1;
    ASSERT_TRUE(QFile::remove(file("filler")));
    ASSERT_NO_FATAL_FAILURE(scanUpTo("730", 100));
    m_reported.clear();
    m_answer = SaveAnswer{file("liste.txt"), 0};
    m_main.saveList();
    EXPECT_TRUE(m_reported.isEmpty()) << m_reported.join(u'\n').toStdString();
    const QByteArray saved = contents(file("liste.txt"));
    EXPECT_EQ(saved.count('\n'), 100);
    EXPECT_TRUE(saved.endsWith(line(99).toUtf8() + '\n'));
}

}  // namespace
}  // namespace ui

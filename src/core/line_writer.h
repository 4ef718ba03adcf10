#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <mutex>

namespace core {

// Writes text to a file descriptor in UTF-8, in whole lines only: the buffer holds whole lines,
// each write() is repeated until its slice is out, and a run asked to stop ends between two
// slices. Every write is checked; the first failure is kept, and nothing is written after it.
// A line cut by a full disk is taken back where the output is a plain file.
class LineWriter final {
public:
    // `stop`, when given, is looked at between slices: once it is set, what is buffered and not
    // yet begun is dropped.
    explicit LineWriter(int descriptor = 1, const std::atomic<bool>* stop = nullptr);
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;
    ~LineWriter() { flush(); }

    void line(const QString& text) {
        m_buffer += text.toUtf8();
        m_buffer += '\n';
        if (m_buffer.size() > kBufferBytes) {
            flush();
        }
    }
    void lines(const QStringList& texts) {
        for (const QString& text : texts) {
            line(text);
        }
    }
    // Text that ends in a line feed.
    void text(const QString& text) {
        m_buffer += text.toUtf8();
        flush();
    }
    // Writes out what is buffered; false once a write failed.
    bool flush();

    // Waits until no slice is being written and keeps any further one from starting, so the
    // process may end at once with whole lines only. Called from another thread. A reader that
    // takes nothing keeps a slice from ending: after `patience` this gives up and returns false,
    // and a slice that is then cut off may leave part of a line behind.
    bool holdWrites(std::chrono::milliseconds patience) { return m_writing.try_lock_for(patience); }

    // The error number of the first failed write, 0 while none failed.
    [[nodiscard]] int error() const { return m_error; }

private:
    static constexpr qsizetype kBufferBytes = 1 << 20;
    // A slice ends at a line end at least this far on, so a stop waits for little more.
    static constexpr qsizetype kSliceBytes = 1 << 16;

    bool writeAll(const char* data, qsizetype size);

    int m_descriptor;
    const std::atomic<bool>* m_stop;
    QByteArray m_buffer;
    std::timed_mutex m_writing;
    std::atomic<int> m_error = 0;
};

// The system's text for an error number in German, as "Kein Platz auf dem Gerät".
[[nodiscard]] QString systemErrorText(int error);

// Makes sure descriptors 0, 1 and 2 are open, so no file the program opens takes the place of
// a closed standard output. Returns false when standard output was closed.
bool standardOutputOpen();

}  // namespace core

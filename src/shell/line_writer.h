#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdio>

namespace shell {

// Writes text to standard output in UTF-8, a megabyte at a time and only in whole lines, so a
// run that ends early leaves no half line behind.
class LineWriter final {
public:
    LineWriter() = default;
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;
    ~LineWriter() { flush(); }

    void line(const QString& text) {
        m_buffer += text.toUtf8();
        m_buffer += '\n';
        if (m_buffer.size() > (1 << 20)) {
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
    void flush() {
        std::fwrite(m_buffer.constData(), 1, static_cast<std::size_t>(m_buffer.size()), stdout);
        std::fflush(stdout);
        m_buffer.clear();
    }

private:
    QByteArray m_buffer;
};

}  // namespace shell

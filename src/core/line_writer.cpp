#include "line_writer.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/system_error.h"

namespace core {

LineWriter::LineWriter(int descriptor, const std::atomic<bool>* stop)
    : m_descriptor(descriptor), m_stop(stop) {}

bool LineWriter::flush() {
    if (m_error != 0) {
        m_buffer.clear();
        return false;
    }
    const char* data = m_buffer.constData();
    const qsizetype size = m_buffer.size();
    qsizetype begin = 0;
    while (begin < size) {
        if (m_stop != nullptr && m_stop->load(std::memory_order_relaxed)) {
            break;
        }
        qsizetype end = std::min(size, begin + kSliceBytes);
        if (end < size) {
            // To the end of the line that the slice reaches into.
            const void* lineEnd =
                std::memchr(data + end - 1, '\n', static_cast<std::size_t>(size - end + 1));
            end = lineEnd != nullptr ? static_cast<const char*>(lineEnd) - data + 1 : size;
        }
        const std::lock_guard<std::timed_mutex> writing(m_writing);
        if (!writeAll(data + begin, end - begin)) {
            break;
        }
        begin = end;
    }
    m_buffer.clear();
    return m_error == 0;
}

bool LineWriter::writeAll(const char* data, qsizetype size) {
    qsizetype written = 0;
    while (written < size) {
        const ssize_t count =
            ::write(m_descriptor, data + written, static_cast<std::size_t>(size - written));
        if (count > 0) {
            written += count;
            continue;
        }
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // An output left non-blocking by another program: wait until it takes more.
            pollfd ready{m_descriptor, POLLOUT, 0};
            if (::poll(&ready, 1, -1) >= 0 || errno == EINTR) {
                continue;
            }
        }
        // write() gives 0 or a short count without an error when the disk fills up; the next
        // try names the reason.
        m_error = count < 0 ? errno : ENOSPC;
        break;
    }
    if (m_error == 0) {
        return true;
    }
    // A plain file keeps only its whole lines: the part of a line that got out is taken back.
    const void* lastEnd = memrchr(data, '\n', static_cast<std::size_t>(written));
    const qsizetype partial =
        written - (lastEnd != nullptr ? static_cast<const char*>(lastEnd) - data + 1 : 0);
    struct stat status {};
    if (partial > 0 && ::fstat(m_descriptor, &status) == 0 && S_ISREG(status.st_mode)) {
        const off_t at = ::lseek(m_descriptor, 0, SEEK_CUR);
        if (at >= partial) {
            [[maybe_unused]] const int ignored = ::ftruncate(m_descriptor, at - partial);
        }
    }
    return false;
}

QString systemErrorText(int error) {
    return systemReason(error, ReasonForm::Clause);
}

bool standardOutputOpen() {
    bool outputOpen = true;
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (::fcntl(descriptor, F_GETFD) == -1 && errno == EBADF) {
            outputOpen = outputOpen && descriptor != 1;
            const int opened = ::open("/dev/null", descriptor == 0 ? O_RDONLY : O_WRONLY);
            if (opened >= 0 && opened != descriptor) {
                ::dup2(opened, descriptor);
                ::close(opened);
            }
        }
    }
    return outputOpen;
}

}  // namespace core

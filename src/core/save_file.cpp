#include "save_file.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "core/system_error.h"

namespace core {

namespace {

// The system's reason for the last failure, as a sentence of the save's message.
QString reason(int error, const QString& detail) {
    return systemReason(error, ReasonForm::Sentence, detail);
}

// The device a content writer is given: it passes every write on to the target, goes on after
// a short one, and remembers the first that fails together with the system's reason, read
// right after the failing call. After a failure it takes nothing more.
class CheckedOutput final : public QIODevice {
public:
    explicit CheckedOutput(QIODevice& target) : m_target(target) {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    [[nodiscard]] bool failed() const { return m_failed; }
    [[nodiscard]] QString failure() const { return reason(m_systemError, m_detail); }
    [[nodiscard]] bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override {
        if (m_failed) {
            return -1;
        }
        qint64 done = 0;
        while (done < length) {
            errno = 0;
            const qint64 written = m_target.write(data + done, length - done);
            if (written <= 0) {
                m_systemError = errno;
                m_failed = true;
                m_detail = m_target.errorString();
                setErrorString(m_detail);
                return -1;
            }
            done += written;
        }
        return length;
    }

private:
    QIODevice& m_target;
    bool m_failed = false;
    int m_systemError = 0;
    QString m_detail;
};

// What a failed call on the file left behind; `error` is errno as it stood right after it.
QString fileFailure(int error, const QFileDevice& file) {
    return reason(error, file.errorString());
}

// Everything written is in the operating system's hands only after the flush, and on the disk
// only after the sync; a full disk shows itself at either.
QString finish(QSaveFile& file) {
    errno = 0;
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        const int error = errno;
        return fileFailure(error, file);
    }
    if (::fsync(file.handle()) != 0) {
        const int error = errno;
        return reason(error, QString::fromLocal8Bit(std::strerror(error)));
    }
    errno = 0;
    if (!file.commit()) {
        const int error = errno;
        return fileFailure(error, file);
    }
    return {};
}

}  // namespace

WriteFailure::WriteFailure(const QString& detail) : Failure(reason(0, detail).toStdString()) {}

void writeAll(QIODevice& device, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            throw WriteFailure(device.errorString());
        }
        done += written;
    }
}

QString writeChecked(QIODevice& target, const ContentWriter& write) {
    CheckedOutput output(target);
    try {
        write(output);
    } catch (const Failure& failure) {
        // The device's own reason says more than what the writer made of it.
        return output.failed() ? output.failure() : failure.message();
    }
    return output.failed() ? output.failure() : QString();
}

QString saveFile(const QString& path, const ContentWriter& write) {
    const QFileInfo target(path);
    if (target.isDir()) {
        return reason(EISDIR, {});
    }
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir()) {
        return reason(ENOENT, {});
    }
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        const int error = errno;
        return fileFailure(error, file);
    }
    QString failure = writeChecked(file, write);
    if (failure.isEmpty()) {
        failure = finish(file);
    }
    if (!failure.isEmpty()) {
        // The temporary file goes with `file`; the old one was never touched.
        file.cancelWriting();
    }
    return failure;
}

}  // namespace core

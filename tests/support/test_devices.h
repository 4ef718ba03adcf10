#pragma once

#include <QByteArray>
#include <QIODevice>
#include <algorithm>
#include <cerrno>

// Devices that take fewer bytes than they are given, the way a disk that fills up does.
namespace test_devices {

// Takes at most `perCall` bytes a call and `capacity` bytes in all. Once full it either fails
// as a full disk does (errno ENOSPC, an error text) or quietly takes nothing more.
class Shrinking final : public QIODevice {
public:
    enum class WhenFull { FailsWithEnospc, TakesNothing };

    Shrinking(qint64 capacity, qint64 perCall, WhenFull whenFull)
        : m_capacity(capacity), m_perCall(perCall), m_whenFull(whenFull) {
        open(QIODevice::WriteOnly);
    }
    [[nodiscard]] const QByteArray& taken() const { return m_taken; }
    [[nodiscard]] int calls() const { return m_calls; }
    [[nodiscard]] bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override {
        ++m_calls;
        const qint64 room = m_capacity - m_taken.size();
        if (room <= 0) {
            if (m_whenFull == WhenFull::TakesNothing) {
                return 0;
            }
            setErrorString(QStringLiteral("No space left on device"));
            errno = ENOSPC;
            return -1;
        }
        const qint64 taken = std::min({length, m_perCall, room});
        m_taken.append(data, taken);
        return taken;
    }

private:
    qint64 m_capacity;
    qint64 m_perCall;
    WhenFull m_whenFull;
    QByteArray m_taken;
    int m_calls = 0;
};

}  // namespace test_devices

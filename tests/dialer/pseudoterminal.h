#pragma once
// A pseudo-terminal standing in for the modem's serial line: the dialer opens `device()` as its
// port, and the test reads from the other end exactly the bytes the modem would have received.

#include <QByteArray>
#include <QString>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

class PseudoTerminal
{
public:
    PseudoTerminal()
    {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0)
            if (const char* name = ptsname(master_))
                device_ = QString::fromLocal8Bit(name);
    }
    ~PseudoTerminal()
    {
        if (master_ >= 0)
            ::close(master_);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool isOpen() const { return !device_.isEmpty(); }
    QString device() const { return device_; }

    // The next `count` bytes the modem received, or fewer if no more come.
    QByteArray read(int count) { return readUpTo(count); }
    // Everything the modem received until its port was closed.
    QByteArray readToEnd() { return readUpTo(-1); }
    // Whether bytes are waiting right now, without waiting for any.
    bool hasWaitingBytes()
    {
        pollfd p{master_, POLLIN, 0};
        return ::poll(&p, 1, 0) > 0 && (p.revents & POLLIN);
    }

private:
    // Waits at most a few seconds for each piece, so that a dialer that writes nothing fails
    // the test instead of hanging it.
    QByteArray readUpTo(int count)
    {
        QByteArray got;
        char buffer[256];
        while (count < 0 || got.size() < count) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, 5000) <= 0)
                break;
            const qsizetype want = count < 0
                                       ? qsizetype(sizeof buffer)
                                       : std::min<qsizetype>(sizeof buffer, count - got.size());
            const ssize_t n = ::read(master_, buffer, size_t(want));
            if (n <= 0) // EIO: the port was closed and everything it wrote has been read
                break;
            got.append(buffer, n);
        }
        return got;
    }

    int master_ = -1;
    QString device_;
};

#include "dialer/modemdial.h"

#include "common/dialogs.h"

#include <QSerialPort>

namespace dialer
{

namespace
{

// How long a modem may take to accept a few bytes before the write counts as failed.
constexpr int kWriteTimeoutMs = 5000;

// Queues the bytes and waits until the port has handed them all to the device.
bool writeAll(QSerialPort& port, const QByteArray& bytes)
{
    if (port.write(bytes) != bytes.size())
        return false;
    while (port.bytesToWrite() > 0)
        if (!port.waitForBytesWritten(kWriteTimeoutMs))
            return false;
    return port.error() == QSerialPort::NoError;
}

} // namespace

QByteArray dialCommand(const QString& number)
{
    return QByteArrayLiteral("ATDT") + number.toLatin1() + QByteArrayLiteral("\r\n");
}

QByteArray hangUpCommand()
{
    return QByteArrayLiteral("ATH\r\n");
}

bool dialNumber(const QString& device, const QString& number, Dialogs& dialogs,
                const std::function<void()>& beforePickUp)
{
    QSerialPort port(device);
    if (!port.open(QIODevice::WriteOnly)) {
        dialogs.inform(Dialogs::Kind::Error, QStringLiteral("Unable to open ") + device);
        return false;
    }
    if (!writeAll(port, dialCommand(number))) {
        dialogs.inform(Dialogs::Kind::Error, QStringLiteral("Unable to dial number."));
        port.close();
        return false;
    }
    if (beforePickUp)
        beforePickUp();
    dialogs.inform(Dialogs::Kind::Information,
                   QStringLiteral("Pick up the phone.\rClick OK after dialing has completed."));
    // The modem is hung up even if this last write fails: the call is already in the user's hand.
    writeAll(port, hangUpCommand());
    port.close();
    return true;
}

} // namespace dialer

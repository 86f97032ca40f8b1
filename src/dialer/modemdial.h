#pragma once
// Dials a number through a Hayes modem: "ATDT", the number, CR LF; then, once the caller has
// picked up the phone, "ATH" CR LF to hang the modem up. The line's speed and framing are the
// serial port's defaults.

#include <QByteArray>
#include <QString>
#include <functional>

class Dialogs;

namespace dialer
{

QByteArray dialCommand(const QString& number);
QByteArray hangUpCommand();

// Dials `number` on the serial device `device` and tells the caller to pick up the phone.
// `beforePickUp` runs after the number went out and before that message (the dialer screen
// hides itself there). False, after the message saying why, when the device cannot be opened
// or the number cannot be written.
bool dialNumber(const QString& device, const QString& number, Dialogs& dialogs,
                const std::function<void()>& beforePickUp = {});

} // namespace dialer

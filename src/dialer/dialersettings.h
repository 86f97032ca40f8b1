#pragma once
// Which serial port the modem hangs on: "com1" to "com4" under DialerPort in section General of
// Larkmoor.ini, beside the running program. A missing or unknown setting means com1.
//
// The four ports are the platform's first four serial devices: COM1..COM4 on Windows,
// /dev/ttyS0../dev/ttyS3 elsewhere.

#include <QString>

namespace dialer
{

constexpr int kFirstPort = 1;
constexpr int kLastPort = 4;

// Larkmoor.ini in the folder of the running program.
QString dialerIniPath();

// 1 to 4; 1 when the file, the setting or a known value is missing.
int readDialerPort(const QString& iniPath);
// Stores "com1".."com4"; a port outside 1..4 is refused (false) and nothing is written.
bool writeDialerPort(const QString& iniPath, int port);

// The device that port `port` (1..4) is on this platform.
QString serialDeviceFor(int port);

} // namespace dialer

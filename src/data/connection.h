#pragma once
// How the shared database is found: the session start-up reads the mode and the server's
// address, the before-connect step finds the data folder (file server) or the shared ini folder
// (client-server), and both stop the start with the host's own messages when nothing usable is
// configured.

#include "engine/connectionparams.h"

#include <QString>
#include <memory>
#include <stdexcept>

class Database;
class Dialogs;

// Raised after one of the two data-location messages was shown: the host must terminate.
class FatalStartError : public std::runtime_error
{
public:
    explicit FatalStartError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

struct SessionSettings {
    QString cMode; // "C": client-server; anything else: file server
    bool remote = false;
    QString remoteAddress; // the "Server IP" setting, with an optional ":port"
    bool internet = false; // the connection type: Internet asks for encryption, LAN prefers it
    QString remoteUser;
    QString remotePassword;
    QString privateDirectory; // where the engine keeps temporary files
};

struct DatabaseLocation {
    QString directory; // data folder, or the shared folder that holds Hearthtable.ini
    ConnectionParams params;
};

inline const QString kDatabaseFileName = QStringLiteral("Hearthtable.db");
inline const QString kDatabaseName = QStringLiteral("Hearthtable");

SessionSettings SessionHearthtableARStartup();
// Shows the data-location message and raises FatalStartError when the location is unusable.
DatabaseLocation DatabaseHearthtableARBeforeConnect(const SessionSettings& session,
                                                    Dialogs& dialogs);

// Both steps, then the connection itself; engine failures arrive as DbError.
struct HearthtableConnection {
    SessionSettings session;
    DatabaseLocation location;
    std::unique_ptr<Database> database;
};
HearthtableConnection connectHearthtable(Dialogs& dialogs);

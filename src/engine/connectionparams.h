#pragma once
// Where a database lives: an embedded file ("file server" mode) or a PostgreSQL server
// ("client-server" mode).

#include <QString>
#include <QStringList>

// How long a workstation waits for a lock another one holds: a number of tries, a wait apart,
// after which the engine's own error ends the work. Nothing ever waits longer.
struct LockRetryPolicy {
    int tries = 15;
    int waitMs = 100;

    int totalMs() const { return tries * waitMs; }
};

struct ConnectionParams {
    enum class Engine { SQLite, PostgreSQL };

    Engine engine = Engine::SQLite;
    QString sqliteFile; // file server: the database file
    QString host;       // client-server
    int port = 5432;
    QString databaseName;
    QString user;
    QString password;
    QString sslMode = QStringLiteral("prefer"); // "require" on the Internet connection type
    QString schema; // optional search path on the server; empty means the server's default
    int connectTimeoutSeconds = 10;
    LockRetryPolicy lockRetry;

    static ConnectionParams sqlite(const QString& file);
    // Parses "host=... port=... user=... password=... dbname=..." as PostgreSQL writes it.
    static ConnectionParams fromPostgresKeywords(const QString& keywords);
    QString describe() const;
};

#pragma once
// Where a database lives: an embedded file ("file server" mode) or a PostgreSQL server
// ("client-server" mode).

#include <QString>
#include <QStringList>

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

    static ConnectionParams sqlite(const QString& file);
    // Parses "host=... port=... user=... password=... dbname=..." as PostgreSQL writes it.
    static ConnectionParams fromPostgresKeywords(const QString& keywords);
    QString describe() const;
};

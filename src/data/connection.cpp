#include "data/connection.h"

#include "common/dialogs.h"
#include "data/registry.h"
#include "engine/database.h"

#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

namespace
{

// The fixed word the server accepts for this module; a site may set its own without a rebuild
// through TALLYWICK_DB_USER and TALLYWICK_DB_PASSWORD.
const QString kRemoteWord = QStringLiteral("quillrun");

QString fromEnvironment(const char* name, const QString& fallback)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}

QString aliasDirectory()
{
    QString directory = DBIsamAlias(reg::ValueName);
    if (directory.isEmpty())
        directory = DBIsamAlias(reg::FallbackValueName);
    return directory;
}

[[noreturn]] void fatal(Dialogs& dialogs, const QString& message)
{
    dialogs.inform(Dialogs::Kind::Error, message);
    throw FatalStartError(message);
}

const QString kNotDefined =
    QStringLiteral("The Hearthtable database has not been defined. The application can not "
                   "continue. Hearthtable will now terminate...");

} // namespace

SessionSettings SessionHearthtableARStartup()
{
    SessionSettings session;
    session.privateDirectory = QDir::tempPath().left(260);
    session.cMode = GetRegString(reg::Mode, reg::ValueName);
    if (session.cMode == QLatin1String("C")) {
        session.remote = true;
        session.remoteAddress = GetRegString(reg::ServerIP, reg::ValueName);
        session.internet =
            GetRegString(reg::Connection, reg::ValueName) == QLatin1String("Internet");
        session.remoteUser = fromEnvironment("TALLYWICK_DB_USER", kRemoteWord);
        session.remotePassword = fromEnvironment("TALLYWICK_DB_PASSWORD", kRemoteWord);
    }
    return session;
}

DatabaseLocation DatabaseHearthtableARBeforeConnect(const SessionSettings& startup,
                                                    Dialogs& dialogs)
{
    DatabaseLocation location;
    const QString cMode = GetRegString(reg::Mode, reg::ValueName);
    location.directory = aliasDirectory();
    if (location.directory.isEmpty())
        fatal(dialogs, kNotDefined);

    if (cMode != QLatin1String("C")) {
        if (!QFileInfo(location.directory).isDir())
            fatal(dialogs,
                  QStringLiteral("The Hearthtable database:\r\n") + location.directory +
                      QStringLiteral(
                          "\r\ndoes not appear to be valid. Hearthtable will now terminate..."));
        location.params =
            ConnectionParams::sqlite(QDir(location.directory).filePath(kDatabaseFileName));
        return location;
    }

    ConnectionParams& p = location.params;
    p.engine = ConnectionParams::Engine::PostgreSQL;
    p.databaseName = kDatabaseName;
    const QString address = startup.remoteAddress.trimmed();
    const qsizetype colon = address.lastIndexOf(QLatin1Char(':'));
    p.host = colon > 0 ? address.left(colon) : address;
    p.port = colon > 0 ? address.mid(colon + 1).toInt() : 5432;
    if (p.port <= 0)
        p.port = 5432;
    p.user = startup.remoteUser;
    p.password = startup.remotePassword;
    p.sslMode = startup.internet ? QStringLiteral("require") : QStringLiteral("prefer");
    return location;
}

HearthtableConnection connectHearthtable(Dialogs& dialogs)
{
    HearthtableConnection connection;
    connection.session = SessionHearthtableARStartup();
    connection.location = DatabaseHearthtableARBeforeConnect(connection.session, dialogs);
    connection.database = Database::open(connection.location.params);
    return connection;
}

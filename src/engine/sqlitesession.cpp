// How an SQLite session starts and how it holds tables against other workstations.
#include "engine/database.h"
#include "engine/dialect.h"
#include "engine/tablelocks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>

namespace
{

// A file that exists and is not empty must start with SQLite's own header; anything else is
// somebody's other file, which we must not touch.
void checkSqliteFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        throw DbError(DbError::GeneralFailure,
                      QStringLiteral("The folder %1 does not exist.")
                          .arg(QDir::toNativeSeparators(info.absolutePath())));
    if (!info.exists())
        return;
    if (info.isDir())
        throw DbError(DbError::GeneralFailure,
                      QStringLiteral("%1 is a folder, not a database file.")
                          .arg(QDir::toNativeSeparators(path)));
    if (info.size() == 0)
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(DbError::GeneralFailure,
                      QStringLiteral("The database file %1 cannot be read: %2")
                          .arg(QDir::toNativeSeparators(path), file.errorString()));
    static const QByteArray header("SQLite format 3\0", 16);
    if (file.read(16) != header)
        throw DbError(
            DbError::GeneralFailure,
            QStringLiteral(
                "The file %1 is not a Tallywick database (it is not an SQLite database file). "
                "It was left untouched.")
                .arg(QDir::toNativeSeparators(path)));
}

} // namespace

QSqlDatabase SqliteDialect::addConnection(const ConnectionParams& params,
                                          const QString& connectionName) const
{
    checkSqliteFile(params.sqliteFile);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(params.sqliteFile);
    // The engine retries a locked database itself for as long as the lock tries would take.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(params.lockRetry.totalMs()));
    return db;
}

void SqliteDialect::configureSession(Database& db) const
{
    // WAL lets readers and one writer work side by side, but needs shared memory that a
    // network share cannot give; there the rollback journal is the safe choice.
    const bool network = isNetworkFileSystem(db.directory());
    db.exec(network ? QStringLiteral("PRAGMA journal_mode=DELETE")
                    : QStringLiteral("PRAGMA journal_mode=WAL"));
    db.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    db.exec(QStringLiteral("PRAGMA foreign_keys=OFF"));
    // Work tables are the engine's in-memory database: they never touch the disk.
    db.exec(QStringLiteral("PRAGMA temp_store=MEMORY"));
    // A month's invoices touch more pages than the default 2 MB cache holds.
    db.exec(QStringLiteral("PRAGMA cache_size=-32768"));
}

QString SqliteDialect::versionQuery() const
{
    return QStringLiteral("SELECT sqlite_version()");
}

qint64 SqliteDialect::storedTableCount(Database& db) const
{
    Statement s =
        db.query(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table'"));
    s.exec();
    return s.next() ? s.integer(0) : 0;
}

std::unique_ptr<TableLocks> SqliteDialect::tableLocks(Database& db) const
{
    return fileTableLocks(db.directory());
}

// BEGIN IMMEDIATE already holds the whole database for writing; waiting for it is bounded by
// the busy timeout, after which the engine reports the database locked.
void SqliteDialect::lockForWriting(Database&, const QString&) const {}

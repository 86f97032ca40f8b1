// How a PostgreSQL session starts and how it holds tables against other workstations.
#include "engine/database.h"
#include "engine/dialect.h"
#include "engine/tablelocks.h"

#include <QRegularExpression>
#include <QSqlDatabase>

namespace
{

// A session advisory lock keyed by database, schema and table name.
class AdvisoryTableLocks final : public TableLocks
{
public:
    explicit AdvisoryTableLocks(Database& db) : db_(db) {}

    bool tryLock(const QString& table) override
    {
        Statement s =
            db_.prepare(QStringLiteral("SELECT pg_try_advisory_lock(7291, "
                                       "hashtext(current_database() || '.' || current_schema()"
                                       " || '.' || lower(:table)))"));
        s.bind(QStringLiteral("table"), table).exec();
        return s.next() && s.boolean(0);
    }

    void unlock(const QString& table) override
    {
        Statement s = db_.prepare(QStringLiteral(
            "SELECT pg_advisory_unlock(7291, hashtext(current_database() || '.' || current_schema()"
            " || '.' || lower(:table)))"));
        s.bind(QStringLiteral("table"), table).exec();
    }

private:
    Database& db_;
};

} // namespace

QSqlDatabase PostgresDialect::addConnection(const ConnectionParams& params,
                                            const QString& connectionName) const
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    db.setHostName(params.host);
    db.setPort(params.port);
    db.setDatabaseName(params.databaseName);
    db.setUserName(params.user);
    db.setPassword(params.password);
    db.setConnectOptions(QStringLiteral("sslmode=%1;connect_timeout=%2")
                             .arg(params.sslMode)
                             .arg(params.connectTimeoutSeconds));
    return db;
}

void PostgresDialect::configureSession(Database& db) const
{
    db.exec(QStringLiteral("SET client_min_messages TO WARNING"));
    // A row or table another workstation holds is waited for as long as SQLite's busy timeout
    // would wait, never for ever.
    db.exec(QStringLiteral("SET lock_timeout = %1").arg(db.params().lockRetry.totalMs()));
    const QString schema = db.params().schema;
    if (!schema.isEmpty()) {
        static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
        if (!identifier.match(schema).hasMatch())
            throw DbError(DbError::GeneralFailure,
                          QStringLiteral("Invalid schema name %1").arg(schema));
        db.exec(QStringLiteral("SET search_path TO %1").arg(schema));
    }
}

QString PostgresDialect::versionQuery() const
{
    return QStringLiteral("SELECT current_setting('server_version')");
}

qint64 PostgresDialect::storedTableCount(Database& db) const
{
    Statement s = db.query(QStringLiteral("SELECT COUNT(*) FROM information_schema.tables"
                                          " WHERE table_schema = current_schema()"));
    s.exec();
    return s.next() ? s.integer(0) : 0;
}

std::unique_ptr<TableLocks> PostgresDialect::tableLocks(Database& db) const
{
    return std::make_unique<AdvisoryTableLocks>(db);
}

// Each try waits one retry interval for the lock; a try that times out is undone back to its
// savepoint, since a failed statement spoils the whole transaction on this engine.
void PostgresDialect::lockForWriting(Database& db, const QString& table) const
{
    const LockRetryPolicy policy = db.params().lockRetry;
    for (int attempt = 1;; ++attempt) {
        db.beginSavepoint();
        try {
            db.exec(QStringLiteral("SET LOCAL lock_timeout = %1").arg(policy.waitMs));
            db.exec(QStringLiteral("LOCK TABLE %1 IN EXCLUSIVE MODE").arg(table));
            db.exec(QStringLiteral("SET LOCAL lock_timeout = %1").arg(policy.totalMs()));
            db.releaseSavepoint();
            return;
        } catch (const DbError&) {
            db.rollbackToSavepoint();
            if (attempt >= policy.tries)
                throw;
        }
    }
}

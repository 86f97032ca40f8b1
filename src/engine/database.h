#pragma once
// One connection to the shared database, on either engine. It hands out statements (prepared
// once per SQL text and reused), runs plain statements, and turns engine failures into DbError.

#include "engine/connectionparams.h"
#include "engine/dberror.h"
#include "engine/dialect.h"
#include "engine/statement.h"

#include <QHash>
#include <QSqlDatabase>
#include <memory>

class TableLocks;

class Database
{
public:
    // Connects; raises DbError with the engine's text when the database cannot be reached, and
    // refuses (leaving it untouched) a file that is not a database of this kind.
    static std::unique_ptr<Database> open(const ConnectionParams& params);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const Dialect& dialect() const { return *dialect_; }
    const ConnectionParams& params() const { return params_; }
    bool isSqlite() const { return params_.engine == ConnectionParams::Engine::SQLite; }
    // The folder beside the database file, where lock files live (file server only).
    QString directory() const;
    QString engineVersion();

    // A statement prepared once for this text and reused on later calls. Use query() for a
    // statement over work tables that are dropped and made anew.
    Statement prepare(const QString& sql);
    Statement query(const QString& sql);
    // Runs a statement that takes no parameters and returns no rows.
    void exec(const QString& sql);

    DbError errorFrom(const QSqlError& error, const QString& sql = {}) const;

    // Whole-table locks that other workstations see and that die with this connection.
    // tryLockTable makes the tries of the connection's LockRetryPolicy before it gives up.
    bool tryLockTable(const QString& table);
    void unlockTable(const QString& table);

    // Transactions; Transaction (transaction.h) is the guard the rules use.
    void beginTransaction(bool write);
    void commitTransaction();
    void rollbackTransaction();
    // The position of a result column named without regard to case, -1 when there is none.
    // Reading a result's layout is costly, so it is read once per statement text.
    int columnPosition(const QSqlQuery& query, const QString& column);

    // Savepoints inside the open transaction; Savepoint (savepoint.h) is the guard.
    void beginSavepoint();
    void releaseSavepoint();
    void rollbackToSavepoint();
    int transactionDepth() const { return transactionDepth_; }

private:
    Database(const ConnectionParams& params, const QString& connectionName);
    void connect();

    ConnectionParams params_;
    QString connectionName_;
    QSqlDatabase db_;
    std::unique_ptr<Dialect> dialect_;
    QHash<QString, QSqlQuery> prepared_;
    // Per statement text: lower-case column name to position, the first of a name winning.
    QHash<QString, QHash<QString, int>> columns_;
    std::unique_ptr<TableLocks> locks_;
    int transactionDepth_ = 0;
    // Whether the transaction was marked to roll back when each open savepoint began.
    QList<bool> savepoints_;
    bool rollbackOnly_ = false;

    friend class Transaction;
};

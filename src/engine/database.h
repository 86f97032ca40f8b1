#pragma once
// One connection to the shared database, on either engine. It hands out statements (prepared
// once per SQL text and reused), runs plain statements, and turns engine failures into DbError.

#include "engine/connectionparams.h"
#include "engine/dberror.h"
#include "engine/dialect.h"
#include "engine/heldrows.h"
#include "engine/statement.h"

#include <QHash>
#include <QSqlDatabase>
#include <QVariantMap>
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
    // Where the result columns of a statement are. Reading a result's layout is costly, so it is
    // read once per statement text; Statement finds a column by name through it.
    std::shared_ptr<ColumnLayout> columnLayout(const QSqlQuery& query);

    // Savepoints inside the open transaction; Savepoint (savepoint.h) is the guard.
    void beginSavepoint();
    void releaseSavepoint();
    void rollbackToSavepoint();
    int transactionDepth() const { return transactionDepth_; }
    // The control rows this transaction holds locked for writing (heldrows.h).
    HeldRows& heldRows() { return heldRows_; }

    // What the connection has asked of the engine: each executed statement is one round trip
    // to a server, and each statement prepared is one more. The benchmarks report them.
    struct Traffic {
        qint64 statements = 0;
        qint64 prepares = 0;
        qint64 roundTrips() const { return statements + prepares; }
    };
    const Traffic& traffic() const { return traffic_; }
    // Called by Statement before it runs: sends the savepoints it runs inside and counts it.
    void beforeStatement()
    {
        readAheadOfOtherStatements();
        sendOwedSavepoints();
        ++traffic_.statements;
    }

    // A statement whose result is being read row by row, and its end. On PostgreSQL the
    // connection carries one such result at a time: before anything else runs, the rest of it
    // is read ahead into the statement so that none of its rows are lost.
    void startedReading(PreparedQuery* reading)
    {
        if (!isSqlite())
            reading_ = reading;
    }
    void stoppedReading(const PreparedQuery* reading)
    {
        if (reading_ == reading)
            reading_ = nullptr;
    }

private:
    Database(const ConnectionParams& params, const QString& connectionName);
    void connect();
    QSqlQuery prepareQuery(const QString& sql);
    // Runs a statement without sending owed savepoints first.
    void run(const QString& sql);
    void sendOwedSavepoints()
    {
        if (sentSavepoints_ < savepoints_.size())
            sendEachOwedSavepoint();
    }
    void sendEachOwedSavepoint();
    void readAheadOfOtherStatements()
    {
        if (reading_)
            readRestOfReading();
    }
    void readRestOfReading();

    ConnectionParams params_;
    QString connectionName_;
    QSqlDatabase db_;
    std::unique_ptr<Dialect> dialect_;
    QHash<QString, std::shared_ptr<PreparedQuery>> prepared_;
    Traffic traffic_;
    // Per statement text: where its result columns are.
    QHash<QString, std::shared_ptr<ColumnLayout>> columns_;
    std::unique_ptr<TableLocks> locks_;
    int transactionDepth_ = 0;
    // Per open savepoint: whether the transaction was marked to roll back when it began, and
    // the held control rows as they were then.
    struct OpenSavepoint {
        bool rollbackOnly = false;
        HeldRows::Snapshot heldRows;
    };
    QList<OpenSavepoint> savepoints_;
    HeldRows heldRows_;
    // How many of the open savepoints the engine has been sent; the others are owed.
    qsizetype sentSavepoints_ = 0;
    bool rollbackOnly_ = false;
    PreparedQuery* reading_ = nullptr; // held alive by its Statement, which clears this

    friend class Transaction;
};

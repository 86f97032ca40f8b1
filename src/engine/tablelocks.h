#pragma once
// Whole-table locks that other workstations see and that die with their holder: a lock file
// with an operating-system lock beside the database file, or a session advisory lock on the
// server. One attempt each; Database::tryLockTable does the retrying.

#include <QHash>
#include <QString>
#include <memory>

class Database;

class TableLocks
{
public:
    virtual ~TableLocks() = default;
    virtual bool tryLock(const QString& table) = 0;
    virtual void unlock(const QString& table) = 0;

    // The engine's kind of lock (Dialect::tableLocks).
    static std::unique_ptr<TableLocks> forDatabase(Database& db);
};

// Lock files with an operating-system lock in `directory`, for a database file there.
std::unique_ptr<TableLocks> fileTableLocks(const QString& directory);

bool isNetworkFileSystem(const QString& directory);

#pragma once
// A whole-table lock held for the life of this object (posting, printing). When the engine's
// own retries fail, the person is asked the caller's question with Retry and Cancel; Cancel
// raises LockError carrying that question's text.

#include <QString>

class Database;
class Dialogs;

class TableLock
{
public:
    TableLock(Database& db, const QString& table, Dialogs& dialogs, const QString& question);
    ~TableLock();
    TableLock(const TableLock&) = delete;
    TableLock& operator=(const TableLock&) = delete;

    void release();

private:
    Database& db_;
    QString table_;
    bool held_ = false;
};

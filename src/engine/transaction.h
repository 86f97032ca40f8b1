#pragma once
// The one guard for every unit of work: it rolls back unless committed. A guard opened inside
// another joins it; the outermost one decides.

class Database;

class Transaction
{
public:
    enum class Mode { Read, Write };
    explicit Transaction(Database& db, Mode mode = Mode::Write);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Database& db_;
    bool open_ = true;
};

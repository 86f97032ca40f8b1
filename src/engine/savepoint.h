#pragma once
// A part of an open transaction that can be undone alone: when the work inside it fails, the
// transaction goes back to where the part began and stays usable, so what was done before it
// can still be committed.

class Database;

class Savepoint
{
public:
    // Requires an open transaction (a Transaction guard).
    explicit Savepoint(Database& db);
    // Goes back to the savepoint unless released.
    ~Savepoint();
    Savepoint(const Savepoint&) = delete;
    Savepoint& operator=(const Savepoint&) = delete;

    // Keeps the work done since the savepoint in the transaction.
    void release();

private:
    Database& db_;
    bool open_ = true;
};

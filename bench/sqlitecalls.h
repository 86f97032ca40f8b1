#pragma once
// The few SQLite library calls the baseline programs share: they write rows straight through the
// library, as the fastest a program could, for the runs to be measured against.
#include <chrono>
#include <cstdio>
#include <sqlite3.h>
#include <string>

inline bool check(sqlite3* db, int rc, const char* what)
{
    if (rc == SQLITE_OK || rc == SQLITE_DONE || rc == SQLITE_ROW)
        return true;
    std::fprintf(stderr, "%s: %s\n", what, sqlite3_errmsg(db));
    return false;
}

inline void text(sqlite3_stmt* s, int column, const std::string& value)
{
    sqlite3_bind_text(s, column, value.c_str(), int(value.size()), SQLITE_TRANSIENT);
}

inline sqlite3_stmt* prepare(sqlite3* db, const char* sql)
{
    sqlite3_stmt* s = nullptr;
    return check(db, sqlite3_prepare_v2(db, sql, -1, &s, nullptr), sql) ? s : nullptr;
}

inline bool step(sqlite3* db, sqlite3_stmt* s, const char* what)
{
    const bool ok = check(db, sqlite3_step(s), what);
    sqlite3_reset(s);
    return ok;
}

// The database with the settings the module opens it with; nullptr when it cannot be opened.
inline sqlite3* openAsTheModule(const char* path)
{
    sqlite3* db = nullptr;
    if (sqlite3_open(path, &db) != SQLITE_OK) {
        check(db, SQLITE_ERROR, "open");
        return nullptr;
    }
    sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
    sqlite3_exec(db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
    return db;
}

// A baseline's one transaction on the database as the module opens it, timed from before it
// begins to after it commits; the database is closed with it.
class TimedTransaction
{
public:
    explicit TimedTransaction(const char* path)
        : db_(openAsTheModule(path)), start_(std::chrono::steady_clock::now())
    {
        begun_ = db_ && check(db_, sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr),
                              "begin");
    }
    ~TimedTransaction() { sqlite3_close(db_); }
    TimedTransaction(const TimedTransaction&) = delete;
    TimedTransaction& operator=(const TimedTransaction&) = delete;

    // False (after a message) when the database could not be opened or the transaction begun.
    bool begun() const { return begun_; }
    sqlite3* db() const { return db_; }
    // Commits; the nanoseconds since the start, or -1 after a message when the commit failed.
    long long commit()
    {
        if (!check(db_, sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr), "commit"))
            return -1;
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now() - start_)
            .count();
    }

private:
    sqlite3* db_;
    std::chrono::steady_clock::time_point start_;
    bool begun_ = false;
};

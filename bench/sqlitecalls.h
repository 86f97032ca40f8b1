#pragma once
// The few SQLite library calls the baseline programs share: they write rows straight through the
// library, as the fastest a program could, for the runs to be measured against.
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

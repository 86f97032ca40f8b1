#pragma once
// Failures of the database engine. Every engine failure carries a numeric code; the rules test
// one of them themselves, the key violation, and show every other one with the engine's text.

#include <QString>
#include <stdexcept>

class QSqlError;

class DbError : public std::runtime_error
{
public:
    static constexpr int KeyViolation = 9729;
    static constexpr int LockFailure = 10258;
    static constexpr int GeneralFailure = 11000;

    DbError(int code, const QString& message);
    int code() const { return code_; }
    QString message() const { return QString::fromUtf8(what()); }
    bool isKeyViolation() const { return code_ == KeyViolation; }

private:
    int code_;
};

// The error a declined Retry/Cancel question raises; the caller abandons its work quietly.
class LockError : public DbError
{
public:
    explicit LockError(const QString& message) : DbError(LockFailure, message) {}
};

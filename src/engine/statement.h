#pragma once
// One SQL statement with named parameters (":dStart"), executed and read row by row. Values are
// bound in the rules' own types (QDate, Money, bool, QString) and stored as each engine wants.

#include <QDate>
#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <deque>
#include <memory>
#include <optional>

class Database;
class Money;

// A prepared statement and whether a Statement holds it now. The connection keeps the ones it
// reuses; a Statement shares it for its lifetime, so a statement is never handed out twice and
// survives the connection forgetting it.
// Where a statement's result columns are, found by name without regard to case; names are
// lowered once and then remembered as they are asked for.
struct ColumnLayout {
    QHash<QString, int> byLowerName; // the first column of a name wins
    QHash<QString, int> asked;
};

struct PreparedQuery {
    explicit PreparedQuery(QSqlQuery q) : query(std::move(q)) {}
    QSqlQuery query;
    bool inUse = false;
    std::shared_ptr<ColumnLayout> layout; // read once, on the first column asked for by name

    // The rows still to come, read ahead because another statement had to run before this one
    // was read to its end: a PostgreSQL connection carries one result at a time and would drop
    // the rest. `current` is the row in hand (empty before the first and after the last);
    // `columns` names the columns when there is no row in hand.
    struct ReadAhead {
        QSqlRecord columns;
        std::optional<QSqlRecord> current;
        std::deque<QSqlRecord> rows;
    };
    std::optional<ReadAhead> readAhead;
};

class Statement
{
public:
    Statement(Database& db, std::shared_ptr<PreparedQuery> prepared);
    Statement(Statement&&) noexcept;
    Statement& operator=(Statement&&) = delete;
    Statement(const Statement&) = delete;
    ~Statement();

    Statement& bind(const QString& name, const QVariant& value);
    // For statements written with "?" placeholders, counted from 0.
    Statement& bind(int position, const QVariant& value);
    // Runs the statement; a failure raises DbError with the engine's text.
    Statement& exec();
    bool next();
    void finish();

    QVariant value(int column) const;
    QVariant value(const QString& column) const;
    bool isNull(int column) const { return value(column).isNull(); }
    bool isNull(const QString& column) const { return value(column).isNull(); }
    QString text(int column) const { return value(column).toString(); }
    QString text(const QString& column) const { return value(column).toString(); }
    qint64 integer(int column) const { return value(column).toLongLong(); }
    qint64 integer(const QString& column) const { return value(column).toLongLong(); }
    std::optional<qint64> optionalInteger(const QString& column) const;
    double real(const QString& column) const { return value(column).toDouble(); }
    bool boolean(int column) const;
    bool boolean(const QString& column) const;
    Money money(const QString& column) const;     // an AR money column
    Money hostMoney(const QString& column) const; // a host decimal column
    QDate date(const QString& column) const;
    QDateTime timestamp(const QString& column) const;

    QSqlRecord record() const;
    int rowsAffected() const { return query().numRowsAffected(); }
    QString sql() const { return query().lastQuery(); }

private:
    // Lets go of what is left of the last result, read ahead or not.
    void dropRest();
    QSqlQuery& query() { return prepared_->query; }
    const QSqlQuery& query() const { return prepared_->query; }

    Database* db_;
    std::shared_ptr<PreparedQuery> prepared_;
};

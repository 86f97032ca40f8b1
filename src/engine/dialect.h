#pragma once
// What differs between the two SQL engines, and nothing else. The rules write one SQL text and
// ask the dialect for the few pieces that each engine spells its own way.
//
// Identifiers are written unquoted everywhere: SQLite compares them without regard to case and
// PostgreSQL folds them to lower case, so the same text reaches the same table on both. The one
// reserved word among the column names, "User", is always written quoted.

#include "engine/tabledef.h"

#include <QDate>
#include <QStringList>
#include <QVariant>
#include <memory>

class Database;
class Money;
class QSqlDatabase;
class QSqlError;
class TableLocks;
struct ConnectionParams;

class Dialect
{
public:
    virtual ~Dialect() = default;

    virtual QString name() const = 0;

    // --- the session
    // The engine's driver set up for `params`, not yet open. Refuses (untouched) a file that
    // is not a database of this engine.
    virtual QSqlDatabase addConnection(const ConnectionParams& params,
                                       const QString& connectionName) const = 0;
    // What every session sets once it is open: journal, lock waits, search path.
    virtual void configureSession(Database& db) const = 0;
    virtual QString versionQuery() const = 0;
    virtual qint64 storedTableCount(Database& db) const = 0;

    // --- locks
    // Whole-table locks other workstations see and that die with this connection.
    virtual std::unique_ptr<TableLocks> tableLocks(Database& db) const = 0;
    // Inside an open write transaction: holds `table` against other writers until the end of
    // the transaction, or raises DbError with the engine's text once the tries are spent.
    virtual void lockForWriting(Database& db, const QString& table) const = 0;
    // Ends a SELECT inside a write transaction so that the rows it reads of the table named
    // `alias` stay as read until the transaction ends; empty where a write transaction already
    // holds the whole database.
    virtual QString holdRowsRead(const QString& alias) const = 0;

    // --- pieces of SQL text
    // An ORDER BY term that sorts text without regard to case.
    virtual QString nocaseOrder(const QString& expr) const = 0;
    // The whole number a text holds, or NULL when it holds anything else ('B', '', '1a').
    virtual QString integerOrNull(const QString& expr) const = 0;
    // Joins text parts; a NULL part counts as empty instead of blanking the whole result.
    virtual QString concat(const QStringList& parts) const = 0;
    // True when both are NULL or both are equal (never NULL itself).
    virtual QString sameValue(const QString& a, const QString& b) const = 0;
    // A host decimal money value turned into ten-thousandths.
    QString hostMoneyToMoney(const QString& expr) const;
    QString moneyLiteral(const Money& amount) const;
    virtual QString dateLiteral(const QDate& date) const = 0;
    // The database's clock, in local time: now, and the date a number of days before today.
    virtual QString currentTimestamp() const = 0;
    virtual QString currentDateMinusDays(int days) const = 0;
    QString boolLiteral(bool value) const;
    static QString quotedUser() { return QStringLiteral("\"User\""); }
    // A column name as SQL must spell it: "User" quoted, every other name as it is.
    static QString identifier(const QString& name);
    // Work tables that live only as long as the connection (the engine's in-memory database).
    QString createTempTableAs(const QString& table, const QString& select) const;
    virtual QString dropTempTable(const QString& table) const = 0;
    virtual QString beginWriteTransaction() const = 0;
    // Run first in a read transaction so that all its statements read the same committed state;
    // empty where a read transaction already does.
    virtual QString sameStateForReads() const = 0;
    // The most parameters one statement may carry, and how many values a multi-row INSERT
    // should carry for speed.
    virtual int parameterLimit() const = 0;
    virtual int valuesPerInsert() const = 0;

    // --- values passed to and read from the engine
    virtual QVariant toStorage(const QVariant& value) const = 0;
    static QDate readDate(const QVariant& stored);
    static QDateTime readTimestamp(const QVariant& stored);
    static bool readBool(const QVariant& stored);

    // --- structure
    QString columnType(const FieldDef& field) const;
    QString createTableSql(const TableDef& table, bool temporary = false) const;
    QString createIndexSql(const TableDef& table, const IndexDef& index) const;
    static QString physicalIndexName(const QString& table, const IndexDef& index);
    virtual bool tableExists(Database& db, const QString& table) const = 0;
    // The stored layout in the same terms as a declaration, so the two can be compared.
    virtual TableDef describeTable(Database& db, const QString& table) const = 0;
    virtual QStringList storedIndexNames(Database& db, const QString& table) const = 0;
    void dropIndex(Database& db, const QString& physicalName) const;
    // The old column's value as the new field stores it, NULL when it holds none or when it
    // cannot be taken over without loss ('maybe' for a boolean, 12.5 for a whole number, text
    // that is no date). Used when an upgrade changes a field's type.
    virtual QString convertedValue(const QString& column, const FieldDef& from,
                                   const FieldDef& to) const = 0;

    // --- errors
    virtual bool isKeyViolation(const QSqlError& error) const = 0;

protected:
    static FieldType fieldTypeFromSql(const QString& declaredType, int* size);
    virtual QString floatingType() const = 0;
    virtual QString binaryType() const = 0;
};

class SqliteDialect final : public Dialect
{
public:
    QString name() const override { return QStringLiteral("SQLite"); }
    QSqlDatabase addConnection(const ConnectionParams& params,
                               const QString& connectionName) const override;
    void configureSession(Database& db) const override;
    QString versionQuery() const override;
    qint64 storedTableCount(Database& db) const override;
    std::unique_ptr<TableLocks> tableLocks(Database& db) const override;
    void lockForWriting(Database& db, const QString& table) const override;
    QString holdRowsRead(const QString&) const override { return {}; }
    QString convertedValue(const QString& column, const FieldDef& from,
                           const FieldDef& to) const override;
    QString nocaseOrder(const QString& expr) const override;
    QString integerOrNull(const QString& expr) const override;
    QString concat(const QStringList& parts) const override;
    QString sameValue(const QString& a, const QString& b) const override;
    QString dateLiteral(const QDate& date) const override;
    QString currentTimestamp() const override;
    QString currentDateMinusDays(int days) const override;
    QString dropTempTable(const QString& table) const override;
    QString beginWriteTransaction() const override { return QStringLiteral("BEGIN IMMEDIATE"); }
    QString sameStateForReads() const override { return {}; }
    int parameterLimit() const override;
    int valuesPerInsert() const override;
    QVariant toStorage(const QVariant& value) const override;
    bool tableExists(Database& db, const QString& table) const override;
    TableDef describeTable(Database& db, const QString& table) const override;
    QStringList storedIndexNames(Database& db, const QString& table) const override;
    bool isKeyViolation(const QSqlError& error) const override;

protected:
    QString floatingType() const override { return QStringLiteral("DOUBLE"); }
    QString binaryType() const override { return QStringLiteral("BLOB"); }
};

class PostgresDialect final : public Dialect
{
public:
    QString name() const override { return QStringLiteral("PostgreSQL"); }
    QSqlDatabase addConnection(const ConnectionParams& params,
                               const QString& connectionName) const override;
    void configureSession(Database& db) const override;
    QString versionQuery() const override;
    qint64 storedTableCount(Database& db) const override;
    std::unique_ptr<TableLocks> tableLocks(Database& db) const override;
    void lockForWriting(Database& db, const QString& table) const override;
    QString holdRowsRead(const QString& alias) const override
    {
        return QStringLiteral(" FOR UPDATE OF ") + alias;
    }
    QString convertedValue(const QString& column, const FieldDef& from,
                           const FieldDef& to) const override;
    QString nocaseOrder(const QString& expr) const override;
    QString integerOrNull(const QString& expr) const override;
    QString concat(const QStringList& parts) const override;
    QString sameValue(const QString& a, const QString& b) const override;
    QString dateLiteral(const QDate& date) const override;
    QString currentTimestamp() const override;
    QString currentDateMinusDays(int days) const override;
    QString dropTempTable(const QString& table) const override;
    QString beginWriteTransaction() const override { return QStringLiteral("BEGIN"); }
    QString sameStateForReads() const override
    {
        return QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ, READ ONLY");
    }
    int parameterLimit() const override;
    int valuesPerInsert() const override;
    QVariant toStorage(const QVariant& value) const override;
    bool tableExists(Database& db, const QString& table) const override;
    TableDef describeTable(Database& db, const QString& table) const override;
    QStringList storedIndexNames(Database& db, const QString& table) const override;
    bool isKeyViolation(const QSqlError& error) const override;

protected:
    QString floatingType() const override { return QStringLiteral("DOUBLE PRECISION"); }
    QString binaryType() const override { return QStringLiteral("BYTEA"); }
};

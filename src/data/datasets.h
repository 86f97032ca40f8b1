#pragma once
// The table and query objects that a screen or a data module owns, and the four helpers that
// open, refresh or close all of one kind at once.

#include <QList>
#include <QObject>
#include <QSqlRecord>
#include <QVariantMap>

class Database;

// Rows read from the database and a current position among them.
class Dataset : public QObject
{
    Q_OBJECT
public:
    Dataset(Database& db, QObject* owner);

    void open();
    void close();
    // Reads the rows again, staying on the same row number where it still exists.
    void refresh();
    bool isOpen() const { return open_; }

    int recordCount() const { return int(rows_.size()); }
    bool first();
    bool next();
    bool eof() const { return position_ >= rows_.size(); }
    QVariant field(const QString& name) const;
    const QList<QSqlRecord>& rows() const { return rows_; }

protected:
    virtual QString selectSql() const = 0;
    virtual QVariantMap parameters() const { return {}; }

private:
    void load();

    Database& db_;
    bool open_ = false;
    QList<QSqlRecord> rows_;
    qsizetype position_ = 0;
};

// A table browsed in the order of one of its indexes (given as field names), optionally filtered.
class TableDataset : public Dataset
{
    Q_OBJECT
public:
    TableDataset(Database& db, const QString& table, QObject* owner);
    QString tableName() const { return table_; }
    void setOrder(const QString& orderBy) { orderBy_ = orderBy; }
    void setFilter(const QString& filter) { filter_ = filter; }

protected:
    QString selectSql() const override;

private:
    QString table_;
    QString orderBy_;
    QString filter_;
};

// SQL text with named parameters.
class QueryDataset : public Dataset
{
    Q_OBJECT
public:
    QueryDataset(Database& db, const QString& sql, QObject* owner);
    void setParameter(const QString& name, const QVariant& value) { params_.insert(name, value); }

protected:
    QString selectSql() const override { return sql_; }
    QVariantMap parameters() const override { return params_; }

private:
    QString sql_;
    QVariantMap params_;
};

// Command "O" opens, "R" refreshes, "C" closes every table (or query) the owner holds, in the
// order they were made; any other command, "o" included, does nothing.
void Tables(const QString& command, QObject* form);
void DMTables(const QString& command, QObject* dataModule);
void Queries(const QString& command, QObject* form);
void DMQueries(const QString& command, QObject* dataModule);

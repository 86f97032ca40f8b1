#pragma once
// What a report runs over: rows one after another. A report that shows the page count reads
// its rows twice, so a source can start again from its first row.

#include "report/row.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <memory>
#include <utility>
#include <vector>

class Database;
class Statement;

namespace report
{

class RowSource
{
public:
    virtual ~RowSource() = default;
    // Moves to the next row; false after the last one.
    virtual bool next() = 0;
    virtual const Row& row() const = 0;
    // Back to before the first row.
    virtual void rewind() = 0;
};

// Rows held in memory.
class ListRowSource final : public RowSource
{
public:
    explicit ListRowSource(std::vector<Row> rows) : rows_(std::move(rows)) {}
    bool next() override { return ++position_ < int(rows_.size()); }
    const Row& row() const override { return rows_[position_]; }
    void rewind() override { position_ = -1; }
    int size() const { return int(rows_.size()); }

private:
    std::vector<Row> rows_;
    int position_ = -1;
};

// The rows of a query, read as they are printed. Bound values are kept and bound again when the
// source starts over.
class QueryRowSource final : public RowSource
{
public:
    QueryRowSource(Database& db, QString sql, QList<std::pair<QString, QVariant>> bindings = {});
    ~QueryRowSource() override;
    bool next() override;
    const Row& row() const override { return row_; }
    void rewind() override;

private:
    void open();

    Database& db_;
    QString sql_;
    QList<std::pair<QString, QVariant>> bindings_;
    std::unique_ptr<Statement> statement_;
    QStringList fields_;
    Row row_;
};

} // namespace report

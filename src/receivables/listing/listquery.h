#pragma once
// A register's list as SQL: what it selects from, its bound conditions and its order. The
// invoice and payment registers each set their conditions and order; other statements over the
// same list (the find dialog's, the command line's) add their own conditions.

#include "engine/statement.h"
#include "receivables/listing/boundconditions.h"

#include <QString>

class Database;

class ListQuery
{
public:
    // `condition` names its parameter ":name"; `value` is bound to it.
    void addCondition(const QString& condition, const QString& name = {},
                      const QVariant& value = {});
    // SELECT `columns` FROM the list's tables, with the conditions and the order.
    QString sql(const QString& columns, const QString& limit = {}) const;
    void bind(Statement& statement) const;
    // The statement prepared, bound and run, ready for its first row.
    Statement run(Database& db, const QString& columns, const QString& limit = {}) const;

protected:
    // `from` is " FROM ..." with its joins.
    explicit ListQuery(QString from) : from_(std::move(from)) {}
    void setOrder(const QString& orderBy) { orderBy_ = orderBy; }

private:
    QString from_;
    BoundConditions conditions_;
    QString orderBy_;
};

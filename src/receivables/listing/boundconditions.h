#pragma once
// The conditions of a register's list and the values bound to them. Every value the bookkeeper
// chose or typed reaches the engine as a bound parameter, never as part of the SQL text, so a
// quote or a piece of SQL is matched as the text it is.

#include <QString>
#include <QStringList>
#include <QVariantMap>

class Statement;

class BoundConditions
{
public:
    // `condition` names its parameter ":name"; `value` is bound to it.
    void add(const QString& condition, const QString& name = {}, const QVariant& value = {});
    // " WHERE a AND b", or nothing without conditions.
    QString where() const;
    void bind(Statement& statement) const;

private:
    QStringList conditions_;
    QVariantMap parameters_;
};

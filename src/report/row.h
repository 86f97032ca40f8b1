#pragma once
// One row of a report's data: values by field name, names compared without regard to case.

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

namespace report
{

class Row
{
public:
    Row() = default;
    explicit Row(const QStringList& fields);

    // The value of a field; an invalid QVariant for a field the row does not have.
    QVariant value(const QString& field) const;
    bool has(const QString& field) const;
    void set(const QString& field, const QVariant& value);
    QStringList fields() const;

private:
    // Field positions are shared by every row of a source.
    std::shared_ptr<QHash<QString, int>> positions_ = std::make_shared<QHash<QString, int>>();
    QVariantList values_;
};

} // namespace report

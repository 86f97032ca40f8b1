#include "report/row.h"

namespace report
{

Row::Row(const QStringList& fields)
{
    for (const QString& name : fields)
        set(name, QVariant());
}

QVariant Row::value(const QString& field) const
{
    const auto found = positions_->constFind(field.toLower());
    return found == positions_->constEnd() ? QVariant() : values_.at(*found);
}

bool Row::has(const QString& field) const
{
    return positions_->contains(field.toLower());
}

void Row::set(const QString& field, const QVariant& value)
{
    const QString key = field.toLower();
    const auto found = positions_->constFind(key);
    if (found != positions_->constEnd()) {
        values_[*found] = value;
        return;
    }
    // A new field: the positions are shared with the rows copied from this one, so copy them
    // before adding to them.
    if (positions_.use_count() > 1)
        positions_ = std::make_shared<QHash<QString, int>>(*positions_);
    positions_->insert(key, int(values_.size()));
    values_.append(value);
}

QStringList Row::fields() const
{
    QStringList names(values_.size());
    for (auto it = positions_->constBegin(); it != positions_->constEnd(); ++it)
        names[it.value()] = it.key();
    return names;
}

} // namespace report

#include "report/row.h"

namespace report
{

size_t Row::CaselessHash::operator()(const QString& name) const noexcept
{
    size_t h = 14695981039346656037ull;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        // Field names are plain letters; the full case table only for anything else.
        h ^= u < 0x80 ? (u >= 'A' && u <= 'Z' ? u + 32 : u) : c.toLower().unicode();
        h *= 1099511628211ull;
    }
    return h;
}

Row::Row(const QStringList& fields)
{
    for (const QString& name : fields)
        set(name, QVariant());
}

QVariant Row::value(const QString& field) const
{
    const auto found = positions_->find(field);
    return found == positions_->end() ? QVariant() : values_.at(found->second);
}

bool Row::has(const QString& field) const
{
    return positions_->count(field) > 0;
}

void Row::set(const QString& field, const QVariant& value)
{
    const auto found = positions_->find(field);
    if (found != positions_->end()) {
        values_[found->second] = value;
        return;
    }
    // A new field: the positions are shared with the rows copied from this one, so copy them
    // before adding to them.
    if (positions_.use_count() > 1)
        positions_ = std::make_shared<Positions>(*positions_);
    positions_->emplace(field.toLower(), int(values_.size()));
    values_.append(value);
}

QStringList Row::fields() const
{
    QStringList names(values_.size());
    for (const auto& [name, position] : *positions_)
        names[position] = name;
    return names;
}

} // namespace report

#pragma once
// One row of a report's data: values by field name, names compared without regard to case.

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <unordered_map>

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
    // Names are looked up as they are spelled, folding case character by character, so that
    // the many lookups of a long report make no lower-case copy of the name.
    struct CaselessHash {
        size_t operator()(const QString& name) const noexcept;
    };
    struct CaselessEqual {
        bool operator()(const QString& a, const QString& b) const noexcept
        {
            return a.compare(b, Qt::CaseInsensitive) == 0;
        }
    };
    using Positions = std::unordered_map<QString, int, CaselessHash, CaselessEqual>;

    // Field positions (keyed by the lower-case name) are shared by every row of a source.
    std::shared_ptr<Positions> positions_ = std::make_shared<Positions>();
    QVariantList values_;
};

} // namespace report

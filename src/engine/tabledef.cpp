#include "engine/tabledef.h"

const FieldDef* TableDef::field(const QString& fieldName) const
{
    for (const FieldDef& f : fields) {
        if (f.name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return &f;
    }
    return nullptr;
}

QStringList TableDef::fieldNames() const
{
    QStringList names;
    for (const FieldDef& f : fields)
        names << f.name;
    return names;
}

namespace def
{
FieldDef integer(const QString& name)
{
    return {name, FieldType::Integer, 0};
}
FieldDef smallint(const QString& name)
{
    return {name, FieldType::SmallInt, 0};
}
FieldDef string(const QString& name, int size)
{
    return {name, FieldType::String, size};
}
FieldDef fixedChar(const QString& name, int size)
{
    return {name, FieldType::Char, size};
}
FieldDef floating(const QString& name)
{
    return {name, FieldType::Float, 0};
}
FieldDef money(const QString& name)
{
    return {name, FieldType::Money, 0};
}
FieldDef boolean(const QString& name)
{
    return {name, FieldType::Boolean, 0};
}
FieldDef date(const QString& name)
{
    return {name, FieldType::Date, 0};
}
FieldDef timestamp(const QString& name)
{
    return {name, FieldType::Timestamp, 0};
}
FieldDef memo(const QString& name)
{
    return {name, FieldType::Memo, 0};
}
FieldDef graphic(const QString& name)
{
    return {name, FieldType::Graphic, 0};
}
FieldDef decimal(const QString& name)
{
    return {name, FieldType::Decimal, 0};
}

IndexDef primary(const QStringList& fields)
{
    IndexDef i;
    i.name = kPrimaryIndexName;
    i.fields = fields;
    i.primary = true;
    return i;
}

IndexDef index(const QString& name, const QStringList& fields)
{
    IndexDef i;
    i.name = name;
    i.fields = fields;
    return i;
}

IndexDef nocase(const QString& name, const QStringList& fields)
{
    IndexDef i = index(name, fields);
    i.caseInsensitive = true;
    return i;
}

IndexDef descending(const QString& name, const QStringList& fields)
{
    IndexDef i = index(name, fields);
    i.descending = true;
    return i;
}
} // namespace def

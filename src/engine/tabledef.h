#pragma once
// A table declared once in C++: its fields in stored order and its indexes. Creating, comparing
// and upgrading a stored table all work from this one declaration.

#include <QList>
#include <QString>
#include <QStringList>

enum class FieldType {
    Integer,  // 32-bit
    SmallInt, // 16-bit
    String,   // at most `size` characters
    Char,     // fixed width `size`, as the host's one- and two-letter codes are
    Float,    // 64-bit floating point: rates, percentages, quantities
    Money,    // ten-thousandths in a 64-bit integer
    Boolean,
    Date,
    Timestamp,
    Memo,    // text of any length
    Graphic, // binary image
    Decimal, // the host's own money columns: a decimal number with four places
};

struct FieldDef {
    QString name;
    FieldType type = FieldType::Integer;
    int size = 0; // characters, for String and Char

    bool operator==(const FieldDef&) const = default;
};

struct IndexDef {
    QString name; // "<Primary>" for the primary index
    QStringList fields;
    bool primary = false; // primary indexes are unique
    bool unique = false;
    bool caseInsensitive = false;
    bool descending = false;

    bool isUnique() const { return primary || unique; }
};

struct TableDef {
    QString name;
    QList<FieldDef> fields;
    QList<IndexDef> indexes;

    const FieldDef* field(const QString& fieldName) const;
    QStringList fieldNames() const;
};

// Builders that keep long declarations readable.
namespace def
{
FieldDef integer(const QString& name);
FieldDef smallint(const QString& name);
FieldDef string(const QString& name, int size);
FieldDef fixedChar(const QString& name, int size);
FieldDef floating(const QString& name);
FieldDef money(const QString& name);
FieldDef boolean(const QString& name);
FieldDef date(const QString& name);
FieldDef timestamp(const QString& name);
FieldDef memo(const QString& name);
FieldDef graphic(const QString& name);
FieldDef decimal(const QString& name);

IndexDef primary(const QStringList& fields);
IndexDef index(const QString& name, const QStringList& fields);
IndexDef nocase(const QString& name, const QStringList& fields);
IndexDef descending(const QString& name, const QStringList& fields);
} // namespace def

inline const QString kPrimaryIndexName = QStringLiteral("<Primary>");

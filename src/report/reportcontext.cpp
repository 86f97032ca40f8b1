#include "report/reportcontext.h"

namespace report
{

Money ReportContext::money(const QString& field) const
{
    return Money::fromRaw(row_->value(field).toLongLong());
}

QDate ReportContext::date(const QString& field) const
{
    const QVariant value = row_->value(field);
    if (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime)
        return value.toDate();
    // SQLite keeps dates as ISO text, with a time part on timestamps.
    return QDate::fromString(value.toString().left(10), Qt::ISODate);
}

} // namespace report

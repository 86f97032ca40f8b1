#include "cli/commandoptions.h"

#include <QRegularExpression>

QString readFlag(const QString& option, const QString& value, FlagChoice& choice)
{
    if (value == QLatin1String("yes") || value == QLatin1String("no")) {
        choice = value == QLatin1String("yes") ? FlagChoice::Yes : FlagChoice::No;
        return {};
    }
    return QStringLiteral("%1 takes yes or no, not %2.").arg(option, value);
}

QString readWord(const QString& option, const QString& value, const QStringList& words)
{
    if (words.contains(value))
        return {};
    return QStringLiteral("%1 takes %2, not %3.")
        .arg(option, words.join(QStringLiteral(" or ")), value);
}

QString readIsoDate(const QString& value, QDate& date)
{
    static const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    date = iso.match(value).hasMatch() ? QDate::fromString(value, Qt::ISODate) : QDate();
    if (date.isValid())
        return {};
    return QStringLiteral("The date is written yyyy-mm-dd, such as 2025-03-31, not %1.").arg(value);
}

#include "cli/commandoptions.h"

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

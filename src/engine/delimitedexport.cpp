#include "engine/delimitedexport.h"

#include "common/money.h"
#include "engine/dialect.h"
#include "engine/statement.h"

#include <QFile>
#include <QSaveFile>
#include <QSqlField>
#include <QSqlRecord>
#include <QTextStream>
#include <stdexcept>

namespace
{

QString valueText(const QVariant& value, bool money)
{
    if (value.isNull())
        return {};
    if (money)
        return Money::fromRaw(value.toLongLong()).toPlainString();
    switch (value.metaType().id()) {
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', 15);
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return value.toString();
    }
}

QString quoted(const QString& text, const DelimitedFormat& format)
{
    if (format.quote.isNull())
        return text;
    QString doubled = text;
    doubled.replace(format.quote, QString(format.quote) + format.quote);
    return format.quote + doubled + format.quote;
}

} // namespace

int exportDelimited(Statement& rows, const QString& path, const DelimitedFormat& format)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error(
            QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()).toStdString());
    QTextStream out(&file);
    const QSqlRecord record = rows.record();
    QList<bool> money;
    QStringList names;
    for (int i = 0; i < record.count(); ++i) {
        names << record.fieldName(i);
        bool isMoney = false;
        for (const QString& column : format.moneyColumns)
            isMoney = isMoney || column.compare(record.fieldName(i), Qt::CaseInsensitive) == 0;
        money << isMoney;
    }
    if (format.header) {
        QStringList cells;
        for (const QString& name : names)
            cells << quoted(name, format);
        out << cells.join(format.delimiter) << format.lineEnd;
    }
    int written = 0;
    while (rows.next()) {
        QStringList cells;
        for (int i = 0; i < names.size(); ++i)
            cells << quoted(valueText(rows.value(i), money[i]), format);
        out << cells.join(format.delimiter) << format.lineEnd;
        ++written;
    }
    out.flush();
    if (!file.commit())
        throw std::runtime_error(
            QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()).toStdString());
    return written;
}

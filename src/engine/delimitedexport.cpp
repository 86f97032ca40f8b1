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

bool needsQuotes(const QString& text, const DelimitedFormat& format)
{
    return text.contains(format.delimiter) || text.contains(format.quote) ||
           text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

QString quoted(const QString& text, const DelimitedFormat& format)
{
    if (format.quote.isNull() || (format.quoteOnlyWhenNeeded && !needsQuotes(text, format)))
        return text;
    QString doubled = text;
    doubled.replace(format.quote, QString(format.quote) + format.quote);
    return format.quote + doubled + format.quote;
}

[[noreturn]] void cannotWrite(const QString& path, const QString& why)
{
    throw std::runtime_error(QStringLiteral("Cannot write %1: %2").arg(path, why).toStdString());
}

} // namespace

DelimitedWriter::DelimitedWriter(const QString& path, const DelimitedFormat& format)
    : path_(path), format_(format), file_(path)
{
    if (!file_.open(QIODevice::WriteOnly))
        cannotWrite(path_, file_.errorString());
    out_.setDevice(&file_);
}

void DelimitedWriter::writeRow(const QStringList& values)
{
    QStringList cells;
    for (const QString& value : values)
        cells << quoted(value, format_);
    out_ << cells.join(format_.delimiter) << format_.lineEnd;
}

void DelimitedWriter::commit()
{
    out_.flush();
    if (out_.status() != QTextStream::Ok || !file_.commit())
        cannotWrite(path_, file_.errorString());
}

int exportDelimited(Statement& rows, const QString& path, const DelimitedFormat& format)
{
    DelimitedWriter writer(path, format);
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
    if (format.header)
        writer.writeRow(names);
    int written = 0;
    while (rows.next()) {
        QStringList cells;
        for (int i = 0; i < names.size(); ++i)
            cells << valueText(rows.value(i), money[i]);
        writer.writeRow(cells);
        ++written;
    }
    writer.commit();
    return written;
}

#include "cli/listoutput.h"

#include <QRegularExpression>

QString csvValue(QString value)
{
    static const QRegularExpression special(QStringLiteral("[,\"\r\n]"));
    if (!value.contains(special))
        return value;
    value.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + value + QLatin1Char('"');
}

void writeCsvLine(QTextStream& out, const QStringList& values)
{
    QStringList quoted;
    quoted.reserve(values.size());
    for (const QString& v : values)
        quoted << csvValue(v);
    out << quoted.join(QLatin1Char(',')) << '\n';
}

void writeAlignedTable(QTextStream& out, const QList<QStringList>& cells,
                       const QList<int>& rightAligned)
{
    if (cells.isEmpty())
        return;
    const qsizetype columns = cells.first().size();
    QList<qsizetype> widths(columns, 0);
    for (const QStringList& line : cells)
        for (qsizetype c = 0; c < columns; ++c)
            widths[c] = std::max(widths[c], line.value(c).size());
    for (const QStringList& line : cells) {
        QStringList padded;
        for (qsizetype c = 0; c < columns; ++c) {
            const QString cell = line.value(c);
            padded << (rightAligned.contains(int(c)) ? cell.rightJustified(widths[c])
                                                     : cell.leftJustified(widths[c]));
        }
        out << padded.join(QStringLiteral("  ")).trimmed() << '\n';
    }
}

QJsonObject jsonObject(const QStringList& columns, const QStringList& values)
{
    QJsonObject o;
    for (qsizetype i = 0; i < columns.size(); ++i)
        o.insert(columns[i], values.value(i));
    return o;
}

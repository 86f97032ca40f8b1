#pragma once
// What `tallywick demo` prints at its end: the rows it wrote, table by table.

#include <QMap>
#include <QRegularExpression>
#include <QString>

// The row counts the summary prints, by table.
inline QMap<QString, qint64> printedCounts(const QString& out)
{
    QMap<QString, qint64> counts;
    static const QRegularExpression line(QStringLiteral("^  (\\w+)\\s+(\\d+)$"),
                                         QRegularExpression::MultilineOption);
    for (auto it = line.globalMatch(out); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        counts.insert(m.captured(1), m.captured(2).toLongLong());
    }
    return counts;
}

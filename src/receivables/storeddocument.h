#pragma once
// A stored document (an invoice, a payment): its header row and its lines, numbered by Seq under
// the header's key.

#include "engine/database.h"

#include <QList>
#include <optional>

template <typename Header, typename Line> struct StoredDocument {
    Header header;
    QList<Line> lines; // in Seq order
};

// The highest line number stored in `lineTable` under the key; 0 when there are none.
int maxStoredSeq(Database& db, const QString& lineTable, const QString& keyColumn, qint64 key);

// The header `headerSql` reads and the lines `linesSql` reads in Seq order, both selecting by
// the key as :id; nothing when there is no header.
template <typename Header, typename Line, typename ReadHeader, typename ReadLine>
std::optional<StoredDocument<Header, Line>>
loadStored(Database& db, qint64 key, const QString& headerSql, const QString& linesSql,
           ReadHeader readHeader, ReadLine readLine)
{
    StoredDocument<Header, Line> document;
    {
        Statement s = db.prepare(headerSql);
        s.bind(QStringLiteral("id"), key).exec();
        if (!s.next())
            return std::nullopt;
        document.header = readHeader(s);
    }
    Statement s = db.prepare(linesSql);
    s.bind(QStringLiteral("id"), key).exec();
    while (s.next())
        document.lines << readLine(s);
    return document;
}

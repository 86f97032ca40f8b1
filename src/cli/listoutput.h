#pragma once
// How the register commands write a list: a padded table for reading, or csv for a
// spreadsheet (json is written with Qt's own document classes).

#include <QJsonObject>
#include <QList>
#include <QStringList>
#include <QTextStream>

// A value holding a comma, a quote or a line break is quoted, its quotes doubled.
QString csvValue(QString value);
// One csv line of `values`, each quoted as needed.
void writeCsvLine(QTextStream& out, const QStringList& values);
// `cells` row by row, the titles first, each column as wide as its widest cell and the columns
// in `rightAligned` (amounts, ages) right-aligned; two spaces between columns.
void writeAlignedTable(QTextStream& out, const QList<QStringList>& cells,
                       const QList<int>& rightAligned);
// One json object of `values` under the `columns` of the same place.
QJsonObject jsonObject(const QStringList& columns, const QStringList& values);

#pragma once
// What a printed PDF holds, read back with poppler's tools, as a reader would see it.

#include <QString>
#include <QStringList>

// The number of pages; -1 when the file cannot be read.
int pdfPageCount(const QString& file);
// The text of every page, laid out as printed.
QString pdfText(const QString& file);
// The words in reading order, page after page.
QStringList pdfWords(const QString& file);

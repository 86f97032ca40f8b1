#pragma once
// Writes a query's rows to a delimited text file for word processors and spreadsheets: dates
// as yyyy-mm-dd, numbers with a decimal point whatever the desktop's conventions.

#include <QSet>
#include <QString>

class Statement;

struct DelimitedFormat {
    QChar delimiter = QLatin1Char('\t');
    QChar quote; // null: values are written as they are
    bool header = true;
    QString lineEnd = QStringLiteral("\r\n");
    QSet<QString> moneyColumns; // AR money columns (ten-thousandths), written as decimals
};

// Runs nothing itself: `rows` must be an executed statement. Returns the number of rows written;
// raises std::runtime_error when the file cannot be written.
int exportDelimited(Statement& rows, const QString& path, const DelimitedFormat& format = {});

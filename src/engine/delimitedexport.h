#pragma once
// Writes a query's rows to a delimited text file for word processors and spreadsheets: dates
// as yyyy-mm-dd, numbers with a decimal point whatever the desktop's conventions.

#include <QSaveFile>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTextStream>

class Statement;

struct DelimitedFormat {
    QChar delimiter = QLatin1Char('\t');
    QChar quote; // null: values are written as they are
    // With a quote: only values holding the delimiter, the quote or a line break are quoted,
    // as RFC 4180 files do; otherwise every value is.
    bool quoteOnlyWhenNeeded = false;
    bool header = true;
    QString lineEnd = QStringLiteral("\r\n");
    QSet<QString> moneyColumns; // AR money columns (ten-thousandths), written as decimals
};

// Runs nothing itself: `rows` must be an executed statement. Returns the number of rows written;
// raises std::runtime_error when the file cannot be written.
int exportDelimited(Statement& rows, const QString& path, const DelimitedFormat& format = {});

// Writes rows of text to a delimited file that appears whole or not at all: nothing is in place
// until commit(), and a writer dropped before it leaves no file behind. Raises
// std::runtime_error naming the file when it cannot be written.
class DelimitedWriter
{
public:
    DelimitedWriter(const QString& path, const DelimitedFormat& format);
    void writeRow(const QStringList& values);
    void commit();

private:
    QString path_;
    DelimitedFormat format_;
    QSaveFile file_;
    QTextStream out_;
};

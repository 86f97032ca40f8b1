#pragma once
// The shape the register and customer lists share: the title, a line of column captions on
// every page, one line per row, a totals line under the money columns, and the print time and
// page number at the foot of each page. Each list names its columns; its rows carry the texts
// the columns print, and the raw amounts the totals add up.

#include "report/reportdefinition.h"
#include "report/rowsource.h"
#include "reports/printhelpers.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <vector>

namespace reports
{

struct ListColumn {
    QString caption;
    QString field;   // the row's text for the column
    qreal width = 0; // points; 0 for the last column: to the right edge of the page
    bool right = false;
    bool wrap = false; // a long text runs onto further lines; the row grows with it
    // A money field (ten-thousandths) summed over the list and printed under the column.
    QString sumOf;
};

// The list `title` over the columns, left to right; `totalsCaption` heads the totals line,
// which prints when a column has a sum.
report::ReportDefinition listReport(const QString& title, const std::vector<ListColumn>& columns,
                                    const QString& totalsCaption = {});

// A column of a register's list: which of the register's grid columns it prints, and how.
template <typename Column> struct RegisterCell {
    Column column;
    const char* caption;
    qreal width;
    bool right;
    const char* sumOf; // the money field summed under the column, or nothing
};

// The row field a register column's text prints from.
QString registerField(int column);

template <typename Column, std::size_t N>
std::vector<ListColumn> registerListColumns(const RegisterCell<Column> (&cells)[N])
{
    std::vector<ListColumn> columns;
    for (const RegisterCell<Column>& cell : cells)
        columns.push_back({QString::fromLatin1(cell.caption), registerField(int(cell.column)),
                           cell.width, cell.right, false, QString::fromLatin1(cell.sumOf)});
    return columns;
}

// One row per register row: `setAmounts(row, item)` fills the `amounts` fields the totals add
// up, and each cell prints `text(item, column)`, as the register's grid writes it.
template <typename Item, typename Column, std::size_t N, typename SetAmounts, typename Text>
report::ListRowSource registerListRows(const QList<Item>& items,
                                       const RegisterCell<Column> (&cells)[N],
                                       const QStringList& amounts, SetAmounts setAmounts, Text text)
{
    QStringList fields = amounts;
    for (const RegisterCell<Column>& cell : cells)
        fields << registerField(int(cell.column));
    return rowsOf(items, fields, [&](report::Row& row, const Item& item) {
        setAmounts(row, item);
        for (const RegisterCell<Column>& cell : cells)
            row.set(registerField(int(cell.column)), text(item, cell.column));
    });
}

} // namespace reports

#include "engine/insertsql.h"

namespace sql
{

QString insertRows(const QString& table, const QStringList& columns, int rows)
{
    QString row = QStringLiteral("(?");
    for (qsizetype c = 1; c < columns.size(); ++c)
        row += QStringLiteral(", ?");
    row += QLatin1Char(')');
    QString text = QStringLiteral("INSERT INTO %1 (%2) VALUES ")
                       .arg(table, columns.join(QStringLiteral(", ")));
    text.reserve(text.size() + rows * (row.size() + 2));
    for (int r = 0; r < rows; ++r) {
        if (r > 0)
            text += QStringLiteral(", ");
        text += row;
    }
    return text;
}

} // namespace sql

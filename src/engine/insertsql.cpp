#include "engine/insertsql.h"

namespace sql
{

QString insertRows(const QString& table, const QStringList& columns, int rows)
{
    const qsizetype width = columns.size();
    QString text = QStringLiteral("INSERT INTO %1 (%2) VALUES ")
                       .arg(table, columns.join(QStringLiteral(", ")));
    text.reserve(text.size() + rows * width * 8);
    for (int r = 0; r < rows; ++r) {
        text += r == 0 ? QStringLiteral("(") : QStringLiteral(", (");
        for (qsizetype c = 0; c < width; ++c) {
            if (c > 0)
                text += QStringLiteral(", ");
            text += placeholder(int(r * width + c));
        }
        text += QLatin1Char(')');
    }
    return text;
}

QString placeholder(int position)
{
    return QStringLiteral(":p%1").arg(position + 1);
}

} // namespace sql

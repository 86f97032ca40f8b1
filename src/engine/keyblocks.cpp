#include "engine/keyblocks.h"

#include "engine/statement.h"

#include <QStringList>
#include <algorithm>

namespace sql
{

QString keyPlaceholders(int size)
{
    QStringList marks;
    marks.fill(QStringLiteral("?"), size);
    return marks.join(QStringLiteral(", "));
}

void bindKeyBlock(Statement& statement, std::span<const qint64> keys, int size, int first)
{
    Q_ASSERT(!keys.empty() && int(keys.size()) <= size);
    for (int i = 0; i < size; ++i)
        statement.bind(first + i, keys[std::min<size_t>(i, keys.size() - 1)]);
}

} // namespace sql

#include "receivables/posting/balancechanges.h"

#include "engine/database.h"

#include <QStringList>

namespace posting
{

namespace
{

const QString kAddToBalances = QStringLiteral(
    "INSERT INTO CBalance (CustomerID, Balance) VALUES %1 ON CONFLICT (CustomerID) DO UPDATE "
    "SET Balance = COALESCE(CBalance.Balance, 0) + excluded.Balance");

// The statements come in a few sizes only, so a run prepares each size once.
constexpr int kRowSizes[] = {256, 64, 16, 4, 1};

QString balanceRows(int rows)
{
    QStringList values;
    values.fill(QStringLiteral("(?, ?)"), rows);
    return values.join(QStringLiteral(", "));
}

} // namespace

void addToBalances(Database& db, const QMap<qint64, Money>& changes)
{
    auto it = changes.constBegin();
    qsizetype left = changes.size();
    for (const int size : kRowSizes) {
        while (left >= size) {
            Statement s = db.prepare(kAddToBalances.arg(balanceRows(size)));
            for (int row = 0; row < size; ++row, ++it) {
                s.bind(2 * row, it.key());
                s.bind(2 * row + 1, it.value().raw());
            }
            s.exec();
            left -= size;
        }
    }
}

} // namespace posting

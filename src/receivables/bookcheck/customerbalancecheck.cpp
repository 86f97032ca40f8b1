#include "receivables/bookcheck/customerbalancecheck.h"

#include "engine/database.h"

#include <QHash>
#include <QMap>
#include <optional>

namespace
{

struct CustomerBooks {
    std::optional<Money> balance; // empty while the customer has no balance row
    Money owing;                  // of its posted invoices
};

// Keyed by CustomerID; a posted invoice or balance row without a customer is left out here,
// since nobody's balance could carry it.
QMap<qint64, CustomerBooks> readCustomerBooks(Database& db)
{
    QMap<qint64, CustomerBooks> books;
    Statement balances = db.query(
        QStringLiteral("SELECT CustomerID, Balance FROM CBalance WHERE CustomerID IS NOT NULL"));
    balances.exec();
    while (balances.next()) {
        // A key on two rows is the key check's to report; here the rows add up.
        std::optional<Money>& balance = books[balances.integer(0)].balance;
        balance = balance.value_or(Money()) + balances.money(QStringLiteral("Balance"));
    }
    Statement owing = db.query(
        QStringLiteral("SELECT CustomerID, CAST(SUM(COALESCE(Owing, 0)) AS BIGINT) AS Owing "
                       "FROM ARInv WHERE Posted = true AND CustomerID IS NOT NULL "
                       "GROUP BY CustomerID"));
    owing.exec();
    while (owing.next())
        books[owing.integer(0)].owing = owing.money(QStringLiteral("Owing"));
    return books;
}

QHash<qint64, QString> customerNumbers(Database& db)
{
    QHash<qint64, QString> numbers;
    Statement s = db.query(QStringLiteral("SELECT CustomerID, CustomerNo FROM Customer"));
    s.exec();
    while (s.next())
        numbers.insert(s.integer(0), s.text(1).trimmed());
    return numbers;
}

QString customerName(const QHash<qint64, QString>& numbers, qint64 customerId)
{
    const auto it = numbers.constFind(customerId);
    if (it == numbers.constEnd() || it->isEmpty())
        return QStringLiteral("Customer key %1 (not on file)").arg(customerId);
    return QStringLiteral("Customer %1").arg(*it);
}

} // namespace

BookDiscrepancies checkCustomerBalances(Database& db, const FormatSettings& settings)
{
    const QMap<qint64, CustomerBooks> books = readCustomerBooks(db);
    const QHash<qint64, QString> numbers = customerNumbers(db);
    BookDiscrepancies found;
    for (auto it = books.constBegin(); it != books.constEnd(); ++it) {
        const CustomerBooks& b = it.value();
        if (b.balance == b.owing || (!b.balance && b.owing.isZero()))
            continue;
        const QString who = customerName(numbers, it.key());
        const QString owed = bookAmount(b.owing, settings);
        const QString text =
            b.balance ? QStringLiteral("%1: balance %2, but its posted invoices owe %3")
                            .arg(who, bookAmount(*b.balance, settings), owed)
                      : QStringLiteral("%1: no balance row, but its posted invoices owe %2")
                            .arg(who, owed);
        found << BookDiscrepancy{BookDiscrepancy::Kind::CustomerBalance, text};
    }
    return found;
}

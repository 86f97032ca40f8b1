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

// Keyed by CustomerID. What posted invoices without a customer owe goes to `unowned`, since
// nobody's balance can carry it.
QMap<qint64, CustomerBooks> readCustomerBooks(Database& db, Money& unowned)
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
                       "FROM ARInv WHERE Posted = true GROUP BY CustomerID"));
    owing.exec();
    while (owing.next()) {
        const Money owed = owing.money(QStringLiteral("Owing"));
        if (owing.isNull(0))
            unowned = owed;
        else
            books[owing.integer(0)].owing = owed;
    }
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
    Money unowned;
    const QMap<qint64, CustomerBooks> books = readCustomerBooks(db, unowned);
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
    if (!unowned.isZero())
        found << BookDiscrepancy{BookDiscrepancy::Kind::CustomerBalance,
                                 QStringLiteral("Posted invoices without a customer owe %1")
                                     .arg(bookAmount(unowned, settings))};
    return found;
}

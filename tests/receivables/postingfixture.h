#pragma once
// A ledger for posting tests: customers in two currencies, their balance rows, and invoices
// made straight into ARInv in the state a test needs (printed or not, posted or not).

#include "common/dialogs.h"
#include "common/money.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class Database;

namespace postingfixture
{
constexpr qint64 kDollars = 1;  // rate 1.0
constexpr qint64 kCanadian = 2; // rate 0.7325
constexpr double kCanadianRate = 0.7325;

// Creates ARInv, Customer, Currency and CBalance with the two currencies.
void create(Database& db);
// A fresh database on `engine` holding that ledger, whose lock waits give up quickly.
std::unique_ptr<Database> freshLedger(const QString& engine);
// A customer in a currency; with `balance`, a balance row holding it.
void addCustomer(Database& db, qint64 id, qint64 currencyId = kDollars,
                 std::optional<Money> balance = std::nullopt);
struct InvoiceRow {
    qint64 id;
    qint64 customerId;
    Money amount;
    bool printed = true;
    bool posted = false;
};
void addInvoice(Database& db, const InvoiceRow& invoice);
// `count` printed, unposted invoices numbered from `firstId`, shared out over the customers
// 1..customers, of amounts that vary and include credits; one transaction.
void addPrintedInvoices(Database& db, qint64 firstId, int count, int customers);

// How many customers' balances differ from the sum of Owing over their posted invoices (a
// missing balance row counts as 0), found as `tallywick check` finds them.
qint64 untiedBalances(Database& db);
Money balance(Database& db, qint64 customerId);
qint64 count(Database& db, const QString& sql);

// Answers the lock questions through a function, so a test can free a lock between tries.
class LockDialogs final : public Dialogs
{
public:
    explicit LockDialogs(std::function<Button(const QString&)> answer) : answer_(std::move(answer))
    {
    }
    void inform(Kind, const QString& text) override { shown << text; }
    Button ask(Kind, const QString& text, Buttons buttons) override;
    QStringList shown;
    QStringList asked;

private:
    std::function<Button(const QString&)> answer_;
};

// A second workstation that gives up on a lock at once.
std::unique_ptr<Database> impatient(const Database& db);
// The engine refuses to change the balance of one customer, until allowBalances.
void refuseBalanceOf(Database& db, qint64 customerId);
void allowBalances(Database& db);
} // namespace postingfixture

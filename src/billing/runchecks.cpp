#include "billing/runchecks.h"

#include "common/dialogs.h"
#include "common/formats.h"
#include "engine/database.h"

namespace billing
{

namespace
{

QString periodText(const DeliveryPeriod& period, const FormatSettings& settings)
{
    return shortDate(period.start, settings) + QLatin1Char('-') + shortDate(period.end, settings);
}

qint64 rowCount(Database& db, const QString& table)
{
    Statement s = db.prepare(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table));
    s.exec();
    return s.next() ? s.integer(0) : 0;
}

} // namespace

QString runEventText(const DeliveryPeriod& period, const FormatSettings& settings)
{
    return QStringLiteral("Invoices for ") + periodText(period, settings) +
           QStringLiteral(" generated.");
}

bool periodInvoicedBefore(Database& db, const QString& eventText)
{
    // The event text holds no wildcard, so matching it is comparing it; an equal comparison
    // keeps the engines alike where LIKE would ignore case on one of them.
    Statement s = db.prepare(QStringLiteral("SELECT Tran_Date FROM History WHERE Event = :Event"));
    s.bind(QStringLiteral("Event"), eventText).exec();
    return s.next();
}

QString invoicedBeforeQuestion(const DeliveryPeriod& period, const FormatSettings& settings)
{
    return QStringLiteral("Invoices have been generated at least once \r\nfor ") +
           periodText(period, settings) +
           QStringLiteral("!\r\nAre you sure that you want to generate invoices\r\nagain for "
                          "those same dates?");
}

QString proceedQuestion(const DeliveryPeriod& period, const FormatSettings& settings)
{
    return QStringLiteral("Proceed with generating invoices for ") + periodText(period, settings) +
           QLatin1Char('?');
}

bool confirmRun(Database& db, Dialogs& dialogs, const DeliveryPeriod& period,
                const FormatSettings& settings)
{
    const bool again = periodInvoicedBefore(db, runEventText(period, settings));
    const Dialogs::Button answer =
        again ? dialogs.ask(Dialogs::Kind::Warning, invoicedBeforeQuestion(period, settings),
                            Dialogs::Yes | Dialogs::No)
              : dialogs.ask(Dialogs::Kind::Information, proceedQuestion(period, settings),
                            Dialogs::Yes | Dialogs::No);
    return answer == Dialogs::Yes;
}

QString masterDataProblem(Database& db)
{
    const bool noCustomers = rowCount(db, QStringLiteral("Customer")) == 0;
    const bool noItems = rowCount(db, QStringLiteral("Item")) == 0;
    if (noCustomers && noItems)
        return kCustomersAndItemsEmpty;
    if (noCustomers)
        return kCustomersEmpty;
    if (noItems)
        return kItemsEmpty;
    return {};
}

bool checkMasterData(Database& db, Dialogs& dialogs)
{
    const QString problem = masterDataProblem(db);
    if (problem.isEmpty())
        return true;
    dialogs.inform(Dialogs::Kind::Warning, problem);
    return false;
}

bool itemsBehindHost(Database& db)
{
    return rowCount(db, QStringLiteral("Item")) < rowCount(db, QStringLiteral("Items")) + 12;
}

bool offerItemSynchronization(Database& db, Dialogs& dialogs,
                              const std::function<void()>& synchronizeItems)
{
    if (!itemsBehindHost(db))
        return true;
    if (dialogs.ask(Dialogs::Kind::Confirmation, kSynchronizeItemsQuestion,
                    Dialogs::Yes | Dialogs::No) == Dialogs::Yes) {
        synchronizeItems();
        return true;
    }
    dialogs.inform(Dialogs::Kind::Warning, kItemsMustBeSynchronized);
    return false;
}

void offerCustomerSynchronization(Dialogs& dialogs,
                                  const std::function<void()>& synchronizeCustomers)
{
    if (dialogs.ask(Dialogs::Kind::Confirmation, kSynchronizeCustomersQuestion,
                    Dialogs::Yes | Dialogs::No) == Dialogs::Yes)
        synchronizeCustomers();
}

} // namespace billing

#pragma once
// What a generation run asks and checks before it touches the deliveries: the question whether
// to go on (worded as a warning when the same period was invoiced before), the AR customers and
// items that must be there, and the offers to synchronize items and customers first. Each check
// talks through Dialogs with the texts the bookkeepers know, and returns whether the run goes
// on; the run calls them in the order declared here.

#include "billing/extractionperiod.h"
#include "common/formatsettings.h"

#include <QString>
#include <functional>

class Database;
class Dialogs;

namespace billing
{

// --- the run's record in the host's History
// "Invoices for 6/1/2024-6/30/2024 generated.", dates in the workstation's short date format.
// The run writes it into History when it ends; the next run for the same dates finds it.
QString runEventText(const DeliveryPeriod& period,
                     const FormatSettings& settings = currentFormatSettings());
// True when History holds a run record with exactly this event text.
bool periodInvoicedBefore(Database& db, const QString& eventText);

// --- 1. go on?
QString invoicedBeforeQuestion(const DeliveryPeriod& period,
                               const FormatSettings& settings = currentFormatSettings());
QString proceedQuestion(const DeliveryPeriod& period,
                        const FormatSettings& settings = currentFormatSettings());
// Asks the invoiced-before question (warning) when the period has a run record, otherwise the
// proceed question (information), both Yes/No. True only for Yes.
bool confirmRun(Database& db, Dialogs& dialogs, const DeliveryPeriod& period,
                const FormatSettings& settings = currentFormatSettings());

// --- 2. AR master data
inline const QString kCustomersAndItemsEmpty = QStringLiteral(
    "The Customer and Item tables are both empty.\r\nSynchronize Customers and Items before "
    "generating invoices!");
inline const QString kCustomersEmpty = QStringLiteral(
    "The Customer table is empty.\r\nSynchronize Customers before generating invoices!");
inline const QString kItemsEmpty =
    QStringLiteral("The Item table is empty.\r\nSynchronize Items before generating invoices!");
// The message for missing AR customers or items, or empty when both tables have rows.
QString masterDataProblem(Database& db);
// Shows that message as a warning; true when there was none.
bool checkMasterData(Database& db, Dialogs& dialogs);

// --- 3. items behind the host
inline const QString kSynchronizeItemsQuestion =
    QStringLiteral("Synchronize Items generating invoices?");
inline const QString kItemsMustBeSynchronized =
    QStringLiteral("The Items table must be synchronized \r\nbefore invoices can be generated!");
// The AR items (with the twelve the AR module starts with) are fewer than the host's meal
// items plus twelve: some host item has no AR item yet.
bool itemsBehindHost(Database& db);
// When the items are behind, asks to synchronize them (confirmation, Yes/No). Yes runs
// `synchronizeItems` and goes on; anything else shows the must-be-synchronized warning and
// ends the run. Items that are not behind go on without a question.
bool offerItemSynchronization(Database& db, Dialogs& dialogs,
                              const std::function<void()>& synchronizeItems);

// --- 4. customers
inline const QString kSynchronizeCustomersQuestion =
    QStringLiteral("Synchronize Customers with Clients before generating invoices?");
// Always asks (confirmation, Yes/No); Yes runs `synchronizeCustomers`. The run goes on either
// way.
void offerCustomerSynchronization(Dialogs& dialogs,
                                  const std::function<void()>& synchronizeCustomers);

} // namespace billing

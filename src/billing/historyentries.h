#pragma once
// What a generation run leaves in the client's history (the host's History table): one entry per
// invoice for the client it was made for, and the run's own record without a person.

#include "billing/extractionperiod.h"
#include "common/formatsettings.h"
#include "common/money.h"

#include <QList>
#include <QString>

class Database;

namespace billing
{

// "6/1 - 6/30/2000": the period as invoice descriptions and history entries show it.
QString periodRangeText(const DeliveryPeriod& period,
                        const FormatSettings& format = currentFormatSettings());

// "AR invoice generated, 6/1 - 6/30/2000- $80.00 " for a client's own invoice.
QString clientInvoiceEvent(const DeliveryPeriod& period, Money amount,
                           const FormatSettings& format = currentFormatSettings());
// "3rd Party (MOW) billed, 6/1 - 6/30/2000- $80.00 " for a funder's invoice.
QString funderInvoiceEvent(const DeliveryPeriod& period, const QString& fundingCode, Money amount,
                           const FormatSettings& format = currentFormatSettings());

struct HistoryClient {
    qint64 personId = 0;
    QString clientId;
};

struct HistoryEntry {
    HistoryClient client;
    QString event;
};

// Adds each entry to its client's history unless the client already has it from today or
// yesterday (by the database's clock), or it came earlier in the list, so a second run the same
// day writes no duplicate. Returns how many were added.
int addHistoryEntries(Database& db, const QList<HistoryEntry>& entries, const QString& userName);

// The run's record: "Invoices for ... generated." without a person, stamped now.
void addRunRecord(Database& db, const QString& event, const QString& userName);

} // namespace billing

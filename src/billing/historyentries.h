#pragma once
// What a generation run leaves in the client's history (the host's History table): one entry per
// invoice for the client it was made for, and the run's own record without a person.

#include "billing/extractionperiod.h"
#include "common/formatsettings.h"
#include "common/money.h"

#include <QList>
#include <QPair>
#include <QSet>
#include <QString>
#include <QVariant>

class Database;
class UnitBatch;

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

// A run's history entries, gathered into its units of work (unitbatch.h) and written with its
// invoices. An entry is left out when its client already has it from today or yesterday (by the
// database's clock) or the run gathered it before, so a second run the same day writes no
// duplicate. The entries already there and the database's time, which stamps every entry of the
// run, are read once, when the first entry comes.
class RunHistory
{
public:
    RunHistory(Database& db, QString userName) : db_(db), userName_(std::move(userName)) {}
    void gather(UnitBatch& batch, const QList<HistoryEntry>& entries);

private:
    void load();

    Database& db_;
    QString userName_;
    bool loaded_ = false;
    QVariant now_;
    QSet<QPair<qint64, QString>> present_; // client and event
};

// The run's record: "Invoices for ... generated." without a person, stamped now.
void addRunRecord(Database& db, const QString& event, const QString& userName);

} // namespace billing

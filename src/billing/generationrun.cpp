#include "billing/generationrun.h"

#include "billing/deferredmessages.h"
#include "billing/extraction.h"
#include "billing/extractiontables.h"
#include "billing/historyentries.h"
#include "billing/pairinvoices.h"
#include "billing/pairlines.h"
#include "billing/runchecks.h"
#include "billing/unbilledcollector.h"
#include "billing/unbilledstore.h"
#include "billing/writebatch.h"
#include "common/dialogs.h"
#include "engine/database.h"
#include "engine/dberror.h"
#include "engine/savepoint.h"
#include "engine/transaction.h"

#include <cmath>
#include <optional>

namespace billing
{

namespace
{

// Calls a hook when there is one.
void call(const std::function<void()>& hook)
{
    if (hook)
        hook();
}

} // namespace

QString completedMessage(int invoiceCount)
{
    if (invoiceCount == 1)
        return QStringLiteral("Completed generating one invoice.");
    return QStringLiteral("Completed generating %1 invoices.").arg(invoiceCount);
}

GenerationRun::GenerationRun(Database& db, Dialogs& dialogs, Progress& progress,
                             GenerationSettings settings, GenerationHooks hooks,
                             const FormatSettings& format)
    : db_(db), dialogs_(dialogs), progress_(progress), settings_(std::move(settings)),
      hooks_(std::move(hooks)), format_(format)
{
}

void GenerationRun::invoicePairs(const QList<ClientFundingPair>& pairs, PairCharger& charger,
                                 PairInvoicing& invoicing, WriteBatch& batch,
                                 DeferredMessages& messages)
{
    progress_.setCaption(kGeneratingClientInvoices);
    progress_.setRange(0, 100);
    progress_.setValue(0);
    PairClientReader clients(db_);
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        batch.open();
        PairClient client;
        PairLines lines;
        {
            // A failed lookup is undone alone; the batch's invoices stay whole.
            Savepoint charging(db_);
            client = clients.read(pairs[i].personId);
            lines = charger.charge(pairs[i], client);
            charging.release();
        }
        invoicing.finishPair(pairs[i], client, lines);
        if (messages.hasPending()) {
            batch.commit();
            messages.showPending();
        }
        batch.commitIfDue();
        progress_.setValue(int(std::lround((i + 1) * 100.0 / double(pairs.size()))));
    }
    if (invoicing.funderInvoicesDue()) {
        batch.open();
        invoicing.writeFunderInvoices(progress_);
    }
    batch.commit();
}

GenerationResult GenerationRun::run()
{
    GenerationResult result;
    // A preview holds everything it writes in one transaction that is never committed.
    std::optional<Transaction> preview;
    if (preview_)
        preview.emplace(db_);

    try {
        const std::function<void()> none = [] {};
        if (!confirmRun(db_, dialogs_, settings_.period, format_) ||
            !checkMasterData(db_, dialogs_) ||
            !offerItemSynchronization(db_, dialogs_,
                                      hooks_.synchronizeItems ? hooks_.synchronizeItems : none))
            return result;
        offerCustomerSynchronization(
            dialogs_, hooks_.synchronizeCustomers ? hooks_.synchronizeCustomers : none);
    } catch (const std::exception& e) {
        // An engine failure before the work starts is shown like one during it.
        result.outcome = RunOutcome::Failed;
        result.error = QString::fromUtf8(e.what());
        preview.reset();
        dialogs_.inform(Dialogs::Kind::Error, result.error);
        return result;
    }

    call(hooks_.workStarted);
    std::optional<WriteBatch> batch;
    std::optional<PairInvoicing> invoicing; // writes through the batch
    UnbilledCollector unbilled(db_);
    try {
        const bool consolidated = deliveriesConsolidated(db_);
        extractDeliveries(db_, settings_.period, settings_.filter, consolidated);
        const QList<ClientFundingPair> pairs = clientFundingPairs(db_);
        if (pairs.isEmpty() && !periodHasDeliveries(db_, settings_.period)) {
            call(hooks_.workEnded);
            dialogs_.inform(Dialogs::Kind::Information, kNoClientRecords);
            result.outcome = RunOutcome::NoClientRecords;
        } else {
            const BillingOptions options = billingOptions(db_);
            DeferredMessages messages(dialogs_);
            PairCharger charger(db_, messages, settings_, options,
                                collectUnbilled_ ? &unbilled : nullptr);
            if (collectUnbilled_)
                unbilled.addExcluded(
                    creditsLeftOutByFilter(db_, settings_.period, settings_.filter, consolidated),
                    charger.items(), settings_.filter);
            batch.emplace(db_);
            invoicing.emplace(db_, *batch, settings_, options, format_);

            invoicePairs(pairs, charger, *invoicing, *batch, messages);
            addRunRecord(db_, runEventText(settings_.period, format_), settings_.userName);
            result.invoices = invoicing->invoices();
            result.outcome = RunOutcome::Completed;
            call(hooks_.workEnded);
            dialogs_.inform(Dialogs::Kind::Information, completedMessage(result.invoiceCount()));
        }
    } catch (const std::exception& e) {
        // Invoices stored before the failure stay; the one being written was undone whole.
        result.outcome = RunOutcome::Failed;
        result.error = QString::fromUtf8(e.what());
        try {
            if (batch)
                batch->commit();
        } catch (const std::exception&) {
            // The batch could not be kept; what it held is undone whole.
        }
        if (invoicing)
            result.invoices = invoicing->invoices();
    }

    result.unbilled = unbilled.deliveries();

    preview.reset();
    try {
        dropWorkTables(db_);
    } catch (const std::exception&) {
        // The work tables die with the connection anyway.
    }
    if (result.outcome == RunOutcome::Failed) {
        call(hooks_.workEnded);
        dialogs_.inform(Dialogs::Kind::Error, result.error);
    }
    if (collectUnbilled_)
        keepForReport(result);
    return result;
}

void GenerationRun::keepForReport(const GenerationResult& result)
{
    // After a preview's undo, so that its list outlives it.
    try {
        keepUnbilledRun(db_, UnbilledRun{settings_.userName, QDateTime::currentDateTime(), preview_,
                                         settings_.period, result.unbilled});
    } catch (const std::exception& e) {
        dialogs_.inform(Dialogs::Kind::Warning,
                        unbilledNotKeptMessage(QString::fromUtf8(e.what())));
    }
}

QString unbilledNotKeptMessage(const QString& error)
{
    return QStringLiteral("The invoices are not affected, but the list of deliveries this run did "
                          "not bill could not be kept for the Unbilled Deliveries report:\r\n") +
           error;
}

} // namespace billing

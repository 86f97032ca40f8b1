#pragma once
// One invoice generation run: the period's deliveries turned into client and funder invoices.
//
// The run asks whether to go on and checks the AR master data (runchecks.h), copies the period's
// meal credits into the connection's work table (extraction.h), and then goes through the
// client-funding pairs: each pair's meal lines are charged (mealcharge.h) and pledged
// (pledges.h), and at the end of the pair its lines become the client's invoice and, for a third
// party, the funder's (right away under the organization's funder invoicing method "S", after
// the last pair under "O"). Every invoice is written through the invoice document, so numbering,
// defaults, taxes, terms and totals are the document's, and each is stored with its lines and
// its history entries in one transaction: an interrupted run leaves only whole invoices behind.
// The run ends with its record in the host's History and the closing message.
// On the way it lists every meal credit of the period it billed to no one, with the reason
// (unbilledcollector.h), and keeps the list as the user's last run (unbilledstore.h), after a
// preview too; the invoices, history and messages are the same as without the list.
//
// Everything the bookkeeper sees goes through Dialogs (questions, warnings, the closing message,
// an error's own text) and Progress (the progress window's caption and percentage). Widgets,
// the command line and the tests drive the run alike.

#include "billing/chargetypes.h"
#include "billing/extractionfilter.h"
#include "billing/extractionperiod.h"
#include "billing/pledges.h"
#include "billing/unbilled.h"
#include "common/formatsettings.h"

#include <QDate>
#include <QList>
#include <QString>
#include <functional>

class Database;
class Dialogs;
class Progress;

namespace billing
{

struct ClientFundingPair;
class DeferredMessages;
class PairCharger;
class PairInvoicing;
class WriteBatch;

// What the generation screen (or the command line) chose.
struct GenerationSettings {
    DeliveryPeriod period;
    QDate invoiceDate;
    ItemFilter filter;
    BillingChoice billing = BillingChoice::MealsOnly;
    PledgeOption pledgeOption = PledgeOption::PerItem;
    PayerChoice payers = PayerChoice::PrivatePayOnly;
    bool postToHistory = true; // "Record the invoice to Client History?"
    QString userName;          // the signed-in user, for the History entries
};

// What the run calls out to. Each may be left empty.
struct GenerationHooks {
    // The console's customer and item synchronization, offered before the run; they must run to
    // completion before returning.
    std::function<void()> synchronizeItems;
    std::function<void()> synchronizeCustomers;
    // The long work starts (the screen shows the hourglass and the progress window) and ends
    // (hides them); the end comes before the closing message or an error's text is shown.
    std::function<void()> workStarted;
    std::function<void()> workEnded;
};

// One invoice the run wrote, or in a preview would have written.
struct GeneratedInvoice {
    QString customerNo;
    QString customerType; // "C" client, "F" funder
    QString invoiceNo;
    QString description;
    int lineCount = 0;
    Money amount; // the invoice amount, taxes included
};

enum class RunOutcome {
    Stopped,         // a question was declined or a check failed; nothing was generated
    NoClientRecords, // no delivery in the period
    Completed,       // the pairs were all gone through (also with no invoice)
    Failed,          // an error ended the run; the invoices written before it stay
};

struct GenerationResult {
    RunOutcome outcome = RunOutcome::Stopped;
    QList<GeneratedInvoice> invoices;
    QString error; // the error's own text, when Failed
    // The period's meal credits the run billed to no one, with the reason for each (kept for the
    // user as the last run's, unbilledstore.h).
    QList<UnbilledDelivery> unbilled;

    int invoiceCount() const { return int(invoices.size()); }
    // The screen closes after a run that got past the checks, whatever its end.
    bool closesScreen() const { return outcome != RunOutcome::Stopped; }
};

class GenerationRun
{
public:
    GenerationRun(Database& db, Dialogs& dialogs, Progress& progress, GenerationSettings settings,
                  GenerationHooks hooks = {},
                  const FormatSettings& format = currentFormatSettings());

    // A preview runs everything, the synchronizations accepted included, and then undoes all
    // it wrote, so the database is left exactly as it was.
    void setPreview(bool preview) { preview_ = preview; }
    // The run lists the meal credits it billed to no one and keeps the list for the user; only
    // the generation benchmark turns that off, to time the run without it.
    void setCollectUnbilled(bool collect) { collectUnbilled_ = collect; }

    // Runs once. Errors are not raised: an error's own text is shown (and kept in the result)
    // after the clean-up.
    GenerationResult run();

private:
    // The pair loop and the per-funder invoices after it, written in batches.
    void invoicePairs(const QList<ClientFundingPair>& pairs, PairCharger& charger,
                      PairInvoicing& invoicing, WriteBatch& batch, DeferredMessages& messages);
    // Keeps the run's unbilled meal credits as the user's last run; a failure is only a warning.
    void keepForReport(const GenerationResult& result);

    Database& db_;
    Dialogs& dialogs_;
    Progress& progress_;
    GenerationSettings settings_;
    GenerationHooks hooks_;
    FormatSettings format_;
    bool preview_ = false;
    bool collectUnbilled_ = true;
};

// The closing message: "Completed generating one invoice." or "Completed generating N
// invoices." (also for 0).
QString completedMessage(int invoiceCount);
// Shown when the period has no delivery.
inline const QString kNoClientRecords = QStringLiteral(
    "There are no client records in that period \n\r for which to generate invoices!");
// The warning shown when the unbilled meal credits of a run could not be kept.
QString unbilledNotKeptMessage(const QString& error);
inline const QString kGeneratingClientInvoices = QStringLiteral("Generating client invoices...");
inline const QString kGeneratingFunderInvoices = QStringLiteral("Generating funder invoices...");

} // namespace billing

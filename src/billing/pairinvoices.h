#pragma once
// The invoices a client-funding pair's lines become. At the end of each pair a third party's
// lines are set aside for the funder (and invoiced right away under "S", one invoice per client
// and funder), and the client's own lines become the client's invoice; under "O" the funder
// lines of all pairs become one invoice per funder after the last pair. Each invoice is stored
// with its history entries as one unit of the run's write batch (writebatch.h), which the caller
// keeps open; an invoice counts as written once its batch has written it.

#include "billing/billingoptions.h"
#include "billing/generationrun.h"
#include "billing/historyentries.h"
#include "billing/invoicewriter.h"
#include "billing/pairlines.h"
#include "billing/writebatch.h"

class Progress;

namespace billing
{

class PairInvoicing
{
public:
    PairInvoicing(Database& db, WriteBatch& batch, const GenerationSettings& settings,
                  const BillingOptions& options,
                  const FormatSettings& format = currentFormatSettings());

    // Writes the pair's invoices: none when the pair charged nothing.
    void finishPair(const ClientFundingPair& pair, const PairClient& client,
                    const PairLines& lines);

    // Under "O", with a third-party payer chosen: one invoice per funder for the lines of all
    // pairs, funders in code order; the progress follows the funders done.
    bool funderInvoicesDue() const;
    void writeFunderInvoices(Progress& progress);

    // The invoices the batch has written.
    const QList<GeneratedInvoice>& invoices() const { return invoices_; }

private:
    void writeClientInvoice(const PairClient& client, const PairLines& lines);
    void writeFunderInvoice(const QString& fundingCode, const PairClient* client,
                            const QList<ClientLineItem>& lines);
    // The invoice and the history entries it leaves, whole or not at all.
    void store(const InvoiceRequest& request, const QList<HistoryEntry>& history);
    // The batch kept the first `kept` of the invoices waiting for it.
    void written(qsizetype kept);

    Database& db_;
    WriteBatch& batch_;
    const GenerationSettings& settings_;
    BillingOptions options_;
    FormatSettings format_;
    InvoiceWriter writer_;
    // Funder lines waiting for their invoice, in the order they were made.
    QList<ClientLineItem> funderLines_;
    RunHistory history_;
    QList<GeneratedInvoice> waiting_; // stored in the batch, not yet written
    QList<GeneratedInvoice> invoices_;
};

// "Meals, 6/1 - 6/30/2000" (or "Pledges, ", "Meals and Pledges, ") for a client's invoice.
QString clientInvoiceDescription(BillingChoice billing, const DeliveryPeriod& period,
                                 const FormatSettings& format = currentFormatSettings());
// A funder's invoice for one client: "6/1-6/30/00, Smith, Ann (U7)"; for all its clients:
// "Client Meals, 6/1 - 6/30/2000".
QString funderInvoiceDescription(const DeliveryPeriod& period, const ClientNames* client,
                                 const FormatSettings& format = currentFormatSettings());

} // namespace billing

#include "billing/pairinvoices.h"

#include "billing/historyentries.h"
#include "billing/linedescriptions.h"
#include "common/dialogs.h"
#include "common/formats.h"
#include "engine/database.h"
#include "engine/savepoint.h"
#include "receivables/invoices/invoicedocument.h"

#include <QHash>
#include <QMap>
#include <cmath>

namespace billing
{

namespace
{

const QString kClient = QStringLiteral("C");
const QString kFunder = QStringLiteral("F");

// Each client's share of a funder's lines, clients in the order their lines come.
QList<std::pair<HistoryClient, Money>> sharesByClient(const QList<ClientLineItem>& lines)
{
    QList<std::pair<HistoryClient, Money>> shares;
    QHash<qint64, qsizetype> position;
    for (const ClientLineItem& line : lines) {
        const auto known = position.constFind(line.personId);
        if (known == position.constEnd()) {
            position.insert(line.personId, shares.size());
            shares.append({HistoryClient{line.personId, line.clientId}, line.amount()});
        } else {
            shares[*known].second += line.amount();
        }
    }
    return shares;
}

Money sumOfAmounts(const QList<ClientLineItem>& lines)
{
    Money sum;
    for (const ClientLineItem& line : lines)
        sum += line.amount();
    return sum;
}

} // namespace

QString clientInvoiceDescription(BillingChoice billing, const DeliveryPeriod& period,
                                 const FormatSettings& format)
{
    static const char* const prefixes[] = {"Meals, ", "Pledges, ", "Meals and Pledges, "};
    return QLatin1String(prefixes[int(billing)]) + periodRangeText(period, format);
}

QString funderInvoiceDescription(const DeliveryPeriod& period, const ClientNames* client,
                                 const FormatSettings& format)
{
    if (!client)
        return QStringLiteral("Client Meals, ") + periodRangeText(period, format);
    return formatDate(QStringLiteral("m/d-"), period.start, format) +
           formatDate(QStringLiteral("m/d/yy"), period.end, format) + QStringLiteral(", ") +
           clientName(*client);
}

PairInvoicing::PairInvoicing(Database& db, WriteBatch& batch, const GenerationSettings& settings,
                             const BillingOptions& options, const FormatSettings& format)
    : db_(db), batch_(batch), settings_(settings), options_(options), format_(format),
      writer_(db, settings.invoiceDate, format), history_(db, settings.userName)
{
    batch_.onWritten([this](qsizetype kept) { written(kept); });
}

void PairInvoicing::finishPair(const ClientFundingPair& pair, const PairClient& client,
                               const PairLines& lines)
{
    if (lines.totalCharge <= Money())
        return;
    // A client invoice is due when the client's own lines carry a price.
    Money clientUnitPrices;
    for (const ClientLineItem& line : lines.lines)
        if (!line.thirdPartyBillable)
            clientUnitPrices += line.unitPrice;

    if (lines.billedParty == QLatin1String("3")) {
        for (const ClientLineItem& line : lines.lines)
            if (line.thirdPartyBillable)
                funderLines_ << line;
        if (options_.funderInvoicingMethod == kFunderInvoicePerClient && !funderLines_.isEmpty()) {
            writeFunderInvoice(pair.fundingDesc.trimmed(), &client, funderLines_);
            funderLines_.clear();
        }
    }
    if (clientUnitPrices > Money())
        writeClientInvoice(client, lines);
}

void PairInvoicing::writeClientInvoice(const PairClient& client, const PairLines& lines)
{
    InvoiceRequest request{client.names.clientId,
                           kClient,
                           client.names.clientId,
                           clientInvoiceDescription(settings_.billing, settings_.period, format_),
                           {}};
    for (const ClientLineItem& line : lines.lines)
        if (!line.thirdPartyBillable)
            request.lines << line;
    const HistoryClient who{request.lines.first().personId, client.names.clientId};
    store(request,
          {{who, clientInvoiceEvent(settings_.period, sumOfAmounts(request.lines), format_)}});
}

void PairInvoicing::writeFunderInvoice(const QString& fundingCode, const PairClient* client,
                                       const QList<ClientLineItem>& lines)
{
    InvoiceRequest request{
        fundingCode, kFunder, client ? client->names.clientId : QString(),
        funderInvoiceDescription(settings_.period, client ? &client->names : nullptr, format_),
        lines};
    // Every client whose meals the funder pays for has the entry, with that client's share.
    QList<HistoryEntry> history;
    for (const auto& [who, share] : sharesByClient(lines))
        history << HistoryEntry{who,
                                funderInvoiceEvent(settings_.period, fundingCode, share, format_)};
    store(request, history);
}

bool PairInvoicing::funderInvoicesDue() const
{
    return settings_.payers != PayerChoice::PrivatePayOnly &&
           options_.funderInvoicingMethod == kFunderInvoicePerFunder && !funderLines_.isEmpty();
}

void PairInvoicing::writeFunderInvoices(Progress& progress)
{
    QMap<QString, QList<ClientLineItem>> byFunder;
    for (ClientLineItem& line : funderLines_) {
        const QString code = line.fundingCode.trimmed();
        if (!code.isEmpty())
            byFunder[code] << std::move(line);
    }
    funderLines_.clear();
    progress.setCaption(kGeneratingFunderInvoices);
    progress.setRange(0, 100);
    int done = 0;
    for (auto it = byFunder.constBegin(); it != byFunder.constEnd(); ++it) {
        writeFunderInvoice(it.key(), nullptr, it.value());
        progress.setValue(int(std::lround(++done * 100.0 / byFunder.size())));
    }
}

void PairInvoicing::store(const InvoiceRequest& request, const QList<HistoryEntry>& history)
{
    // A refused invoice is undone alone: its rows are dropped from the batch, and the savepoint
    // gives its number back.
    UnitBatch& units = batch_.units();
    Savepoint whole(db_);
    units.beginUnit(); // before the invoice draws its number
    try {
        const GeneratedInvoice invoice = writer_.write(request, &units);
        if (settings_.postToHistory)
            history_.gather(units, history);
        units.endUnit(
            [](const DbError& refused) { InvoiceDocument::refuseDuplicateNumber(refused); });
        whole.release();
        waiting_ << invoice;
    } catch (...) {
        units.dropUnit();
        throw;
    }
}

void PairInvoicing::written(qsizetype kept)
{
    invoices_ << waiting_.first(kept);
    waiting_.clear();
}

} // namespace billing

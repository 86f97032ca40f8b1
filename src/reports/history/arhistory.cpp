#include "reports/history/arhistory.h"

#include "common/formats.h"
#include "reports/printhelpers.h"

namespace reports
{

using report::Band;
using report::ReportContext;

namespace
{

constexpr qreal kWidth = 576;
constexpr qreal kLineHeight = 11;
constexpr qreal kInvoiceX = 40, kChequeX = 130, kDateX = 220, kAmountX = 290, kAmountWidth = 80;

const QString kInvoices = QStringLiteral("Invoices");
const QString kCheques = QStringLiteral("Cheques");

// The amounts of one kind of document ("I" or "P"); the other kind is neither summed nor
// counted.
report::RunningTotal totalOf(const QString& name, const QString& recordType)
{
    return {name,
            [recordType](const ReportContext& c) -> std::optional<Money> {
                if (c.text(QStringLiteral("RecordType")) != recordType)
                    return std::nullopt;
                return c.money(QStringLiteral("Amount"));
            },
            -1};
}

// "3 invoices   1,234.00"; with none of them only "0 invoices".
QString countAndTotal(const ReportContext& c, const QString& total, const QString& noun)
{
    const int count = c.count(total);
    QString text = QString::number(count) + QLatin1Char(' ') + noun;
    if (count > 0)
        text += QStringLiteral("   ") + moneyText(c.sum(total));
    return text;
}

Band titleBand()
{
    Band band;
    band.height = 48;
    addTitle(band, kWidth);
    addParameterLine(band, QStringLiteral("Selection1"), 20, kWidth, kLineHeight);
    addParameterLine(band, QStringLiteral("Heading"), 32, kWidth, kLineHeight);
    return band;
}

Band columnHeader()
{
    Band band;
    band.height = 16;
    band.add(report::label(QRectF(kInvoiceX, 2, kChequeX - kInvoiceX, kLineHeight),
                           QStringLiteral("Invoice no.")))
        .bold();
    band.add(report::label(QRectF(kChequeX, 2, kDateX - kChequeX, kLineHeight),
                           QStringLiteral("Check no.")))
        .bold();
    band.add(report::label(QRectF(kDateX, 2, kAmountX - kDateX, kLineHeight),
                           QStringLiteral("Date")))
        .bold();
    band.add(
            report::label(QRectF(kAmountX, 2, kAmountWidth, kLineHeight), QStringLiteral("Amount")))
        .bold()
        .right();
    band.add(report::rule(0, kAmountX + kAmountWidth, 14));
    return band;
}

// "Client 101   Name Adams, Ann   Contact Ann Adams", each caption in bold.
Band customerHeader()
{
    Band band;
    band.height = 16;
    auto pair = [&band](qreal x, qreal captionWidth, qreal width, const QString& caption,
                        const QString& field) {
        band.add(report::label(QRectF(x, 4, captionWidth, kLineHeight), caption)).bold();
        band.add(report::field(QRectF(x + captionWidth, 4, width, kLineHeight), field));
    };
    pair(0, 30, 60, QStringLiteral("Client"), QStringLiteral("CustomerNo"));
    pair(96, 30, 190, QStringLiteral("Name"), QStringLiteral("CustomerName"));
    pair(322, 40, kWidth - 362, QStringLiteral("Contact"), QStringLiteral("Contact"));
    return band;
}

Band detail()
{
    Band band;
    band.height = kLineHeight;
    band.add(report::computed(QRectF(kInvoiceX, 0, kChequeX - kInvoiceX - 4, kLineHeight),
                              [](const ReportContext& c) {
                                  return c.text(QStringLiteral("RecordType")) == QLatin1String("I")
                                             ? c.text(QStringLiteral("InvoiceNo"))
                                             : QString();
                              }));
    band.add(report::computed(QRectF(kChequeX, 0, kDateX - kChequeX - 4, kLineHeight),
                              [](const ReportContext& c) {
                                  return c.text(QStringLiteral("RecordType")) == QLatin1String("P")
                                             ? c.text(QStringLiteral("ChequeNo"))
                                             : QString();
                              }));
    band.add(
        dateField(QRectF(kDateX, 0, kAmountX - kDateX, kLineHeight), QStringLiteral("InvPmtDate")));
    band.add(moneyField(QRectF(kAmountX, 0, kAmountWidth, kLineHeight), QStringLiteral("Amount")));
    return band;
}

Band summary()
{
    Band band;
    band.height = 44;
    band.add(report::rule(0, kAmountX + kAmountWidth, 2, 1));
    band.add(report::label(QRectF(0, 6, 120, kLineHeight), QStringLiteral("Report Totals:")))
        .bold();
    band.add(report::computed(QRectF(kInvoiceX, 19, kWidth - kInvoiceX, kLineHeight),
                              [](const ReportContext& c) {
                                  return countAndTotal(c, kInvoices, QStringLiteral("invoices"));
                              }));
    band.add(report::computed(QRectF(kInvoiceX, 31, kWidth - kInvoiceX, kLineHeight),
                              [](const ReportContext& c) {
                                  return countAndTotal(c, kCheques, QStringLiteral("checks"));
                              }));
    return band;
}

} // namespace

QHash<QString, QString> historyHeadings(const HistorySelection& selection,
                                        const QString& currencyName, const QString& customerName)
{
    QString chosen;
    if (selection.currencyId)
        chosen += QStringLiteral("     Currency: ") + currencyName;
    if (selection.customerId)
        chosen += QStringLiteral("     Customer: ") + customerName;
    return {{QStringLiteral("Selection1"), chosen},
            {QStringLiteral("Heading"), QStringLiteral("Period: %1/%2")
                                            .arg(selection.period, 2, 10, QLatin1Char('0'))
                                            .arg(selection.year)}};
}

report::ReportDefinition arHistory()
{
    report::ReportDefinition d;
    d.title = QStringLiteral("AR History");
    d.title_band = titleBand();
    d.columnHeader = columnHeader();
    report::Group customer;
    customer.key = report::byField(QStringLiteral("CustomerNo"));
    customer.header = customerHeader();
    d.groups.push_back(std::move(customer));
    d.detail = detail();
    d.summary = summary();
    addPageFoot(d.pageFooter, kWidth, kLineHeight);
    d.totals = {totalOf(kInvoices, QStringLiteral("I")), totalOf(kCheques, QStringLiteral("P"))};
    return d;
}

report::ListRowSource historyRows(const std::vector<HistoryLine>& lines)
{
    const QStringList fields = {QStringLiteral("RecordType"),   QStringLiteral("InvoiceNo"),
                                QStringLiteral("ChequeNo"),     QStringLiteral("InvPmtDate"),
                                QStringLiteral("Amount"),       QStringLiteral("CustomerNo"),
                                QStringLiteral("CustomerName"), QStringLiteral("Contact")};
    return rowsOf(lines, fields, [](report::Row& row, const HistoryLine& line) {
        const bool invoice = line.kind == HistoryLine::Kind::Invoice;
        row.set(QStringLiteral("RecordType"), invoice ? QStringLiteral("I") : QStringLiteral("P"));
        row.set(invoice ? QStringLiteral("InvoiceNo") : QStringLiteral("ChequeNo"), line.number);
        row.set(QStringLiteral("InvPmtDate"), line.date);
        row.set(QStringLiteral("Amount"), line.amount.raw());
        row.set(QStringLiteral("CustomerNo"), line.customerNo);
        row.set(QStringLiteral("CustomerName"), line.customerName);
        row.set(QStringLiteral("Contact"), line.contact);
    });
}

int printHistory(const std::vector<HistoryLine>& lines, report::PageSink& sink,
                 report::RunOptions options)
{
    const report::ReportDefinition definition = arHistory();
    report::ListRowSource rows = historyRows(lines);
    return runReport(definition, rows, sink, std::move(options));
}

int printHistory(Database& db, const HistorySelection& selection, report::PageSink& sink,
                 report::RunOptions options)
{
    return printHistory(historyLines(db, selection), sink, std::move(options));
}

} // namespace reports

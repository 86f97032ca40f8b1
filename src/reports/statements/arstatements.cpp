#include "reports/statements/arstatements.h"

#include "common/formats.h"
#include "reports/printhelpers.h"

#include <memory>

namespace reports
{

using report::Band;
using report::ReportContext;

namespace
{

// Places across the body of the page, in points.
constexpr qreal kWidth = 576;
constexpr qreal kRow = 12;
constexpr qreal kDescriptionX = 3, kNumberX = 214, kDateX = 290, kAmountX = 350, kOwingX = 426,
                kDueX = 516;
constexpr qreal kAmountW = 70, kDateW = 56;
constexpr qreal kCaptionsY = 166;

const QString kOwingTotal = QStringLiteral("StatementOwing");

// Where the statement being printed has got to: its page, and whether any of its lines has
// printed (a header printed after one is a continuation page's).
struct Progress {
    int page = 1;
    int linesPrinted = 0;
};

report::Element amountField(qreal x, const QString& name)
{
    return moneyField({x, 0, kAmountW, kRow}, name);
}

report::Element dateAt(qreal x, const QString& name)
{
    return dateField({x, 0, kDateW, kRow}, name);
}

// The letterhead, the statement's title and date, the customer's block and the captions; on a
// continuation page also the page number within the statement.
Band statementHeader(const InvoiceLetterhead& letterhead, QDate asOf,
                     const std::shared_ptr<Progress>& progress)
{
    Band band;
    band.add(report::label({0, 0, 380, 26}, letterhead.companyName))
        .size(letterhead.companyNameFontSize)
        .bold();
    for (int i = 0; i < letterhead.addressLines.size() && i < 3; ++i)
        band.add(report::label({0, 28.0 + i * kRow, 380, kRow}, letterhead.addressLines[i]));

    band.add(report::label({kWidth - 190, 0, 190, 24}, QStringLiteral("Statement")))
        .size(18)
        .bold()
        .right();
    band.add(report::label({kWidth - 110, 28, 44, kRow}, QStringLiteral("as of")).right());
    band.add(report::label({kWidth - 62, 28, 62, kRow}, shortDate(asOf))).right().bold();
    band.add(report::computed({kWidth - 190, 42, 190, kRow},
                              [progress](const ReportContext&) {
                                  return QStringLiteral("Page ") + QString::number(progress->page);
                              }))
        .right()
        .when([progress](const ReportContext&) { return progress->page > 1; });
    band.add(report::rule(0, kWidth, 66, 1));

    band.add(report::label({0, 74, 56, kRow}, QStringLiteral("Client ID:")));
    band.add(report::field({58, 74, 200, kRow}, QStringLiteral("CustomerNo"))).bold();
    const char* const block[] = {"CustomerName",  "ContactLine",   "AddressLine1",
                                 "AddressLine2P", "AddressLine3P", "AddressLine4P"};
    for (int i = 0; i < 6; ++i)
        band.add(report::field({0, 90.0 + i * kRow, 300, kRow}, QString::fromLatin1(block[i])));

    band.add(report::box({0, kCaptionsY - 2, kWidth, 15}, 0.5, true));
    // The captions over the columns they name.
    auto caption = [&band](qreal x, qreal width, const char* text) -> report::Element& {
        return band.add(report::label({x, kCaptionsY, width, kRow}, QString::fromLatin1(text)))
            .bold();
    };
    caption(kDescriptionX, kNumberX - kDescriptionX - 4, "Description");
    caption(kNumberX, kDateX - kNumberX - 4, "Invoice no.");
    caption(kDateX, kDateW, "Date");
    caption(kAmountX, kAmountW, "Amount").right();
    caption(kOwingX, kAmountW, "Owing").right();
    caption(kDueX, kDateW, "Due");
    band.height = kCaptionsY + 18;

    band.beforePrint = [progress](ReportContext&) {
        progress->page = progress->linesPrinted == 0 ? 1 : progress->page + 1;
        return true;
    };
    return band;
}

Band statementFooter(const std::shared_ptr<Progress>& progress)
{
    Band band;
    band.add(report::rule(kOwingX, kOwingX + kAmountW, 2));
    band.add(report::label({kDateX, 5, kOwingX - kDateX - 4, kRow}, QStringLiteral("Total:")))
        .bold()
        .right();
    band.add(sumField({kOwingX, 5, kAmountW, kRow}, kOwingTotal)).bold();
    band.add(report::field({kDueX, 5, kWidth - kDueX, kRow}, QStringLiteral("CurrencyName")));
    band.add(report::field({0, 24, kWidth, kRow}, QStringLiteral("CustomerMessage"))).wrap();
    band.height = 40;
    band.afterPrint = [progress](ReportContext&) { progress->linesPrinted = 0; };
    return band;
}

} // namespace

report::ReportDefinition arStatements(const InvoiceLetterhead& letterhead, QDate asOf)
{
    report::ReportDefinition d;
    d.title = QStringLiteral("AR Statements");
    auto progress = std::make_shared<Progress>();
    d.onStart = [progress] { *progress = Progress(); };

    report::Group customer;
    customer.key = report::byField(QStringLiteral("CustomerID"));
    customer.header = statementHeader(letterhead, asOf, progress);
    customer.footer = statementFooter(progress);
    customer.startsNewPage = true;
    customer.repeatHeader = true;
    d.groups.push_back(std::move(customer));

    d.detail.height = kRow;
    d.detail.add(report::field({kDescriptionX, 0, kNumberX - kDescriptionX - 4, kRow},
                               QStringLiteral("Description")));
    d.detail.add(
        report::field({kNumberX, 0, kDateX - kNumberX - 4, kRow}, QStringLiteral("InvoiceNo")));
    d.detail.add(dateAt(kDateX, QStringLiteral("InvoiceDate")));
    d.detail.add(amountField(kAmountX, QStringLiteral("InvoiceAmount")));
    d.detail.add(amountField(kOwingX, QStringLiteral("Owing")));
    d.detail.add(dateAt(kDueX, QStringLiteral("DueDate")));
    d.detail.afterPrint = [progress](ReportContext&) { ++progress->linesPrinted; };

    d.totals.push_back(runningTotal(kOwingTotal, QStringLiteral("Owing"), 0));
    return d;
}

report::ListRowSource statementRows(const std::vector<StatementLine>& lines)
{
    const QStringList fields = {QStringLiteral("CustomerID"),    QStringLiteral("CustomerNo"),
                                QStringLiteral("CustomerName"),  QStringLiteral("ContactLine"),
                                QStringLiteral("AddressLine1"),  QStringLiteral("AddressLine2P"),
                                QStringLiteral("AddressLine3P"), QStringLiteral("AddressLine4P"),
                                QStringLiteral("CurrencyName"),  QStringLiteral("CustomerMessage"),
                                QStringLiteral("InvoiceNo"),     QStringLiteral("Description"),
                                QStringLiteral("InvoiceDate"),   QStringLiteral("DueDate"),
                                QStringLiteral("InvoiceAmount"), QStringLiteral("Owing")};
    return rowsOf(lines, fields, [](report::Row& row, const StatementLine& line) {
        row.set(QStringLiteral("CustomerID"), line.customerId);
        row.set(QStringLiteral("CustomerNo"), line.customerNo);
        row.set(QStringLiteral("CustomerName"), line.customerName);
        row.set(QStringLiteral("ContactLine"), line.contactLine);
        row.set(QStringLiteral("AddressLine1"), line.addressLine1);
        row.set(QStringLiteral("AddressLine2P"), line.addressLine2P);
        row.set(QStringLiteral("AddressLine3P"), line.addressLine3P);
        row.set(QStringLiteral("AddressLine4P"), line.addressLine4P);
        row.set(QStringLiteral("CurrencyName"), line.currencyName);
        row.set(QStringLiteral("CustomerMessage"), line.customerMessage);
        row.set(QStringLiteral("InvoiceNo"), line.invoiceNo);
        row.set(QStringLiteral("Description"), line.description);
        row.set(QStringLiteral("InvoiceDate"), line.invoiceDate);
        row.set(QStringLiteral("DueDate"), line.dueDate);
        row.set(QStringLiteral("InvoiceAmount"), line.invoiceAmount.raw());
        row.set(QStringLiteral("Owing"), line.owing.raw());
    });
}

int printStatementLines(const std::vector<StatementLine>& lines,
                        const InvoiceLetterhead& letterhead, QDate asOf, report::PageSink& sink,
                        report::RunOptions options)
{
    const report::ReportDefinition definition = arStatements(letterhead, asOf);
    report::ListRowSource rows = statementRows(lines);
    return runReport(definition, rows, sink, std::move(options));
}

int printStatements(Database& db, const ReportSelection& selection, report::PageSink& sink,
                    report::RunOptions options)
{
    const InvoiceLetterhead letterhead = readInvoiceOrganization(db).letterhead;
    return printStatementLines(statementLines(db, selection), letterhead, selection.asOf, sink,
                               std::move(options));
}

} // namespace reports

#include "reports/aged/agedtrialbalance.h"

#include "common/formats.h"
#include "reports/printhelpers.h"

#include <QStringList>
#include <memory>

namespace reports
{

using report::Band;
using report::ReportContext;

namespace
{

const QStringList kAmountColumns = {
    QStringLiteral("AgePeriod1Amt"), QStringLiteral("AgePeriod2Amt"),
    QStringLiteral("AgePeriod3Amt"), QStringLiteral("AgePeriod4Amt")};

QString domesticOf(const QString& column)
{
    return column + QStringLiteral("Domestic");
}

// Column positions, in points across the body of the page; the body is set a point smaller than
// the title so that a seven-figure credit fits its column.
constexpr qreal kPostedX = 0, kNumberX = 7, kDescriptionX = 50, kAgeX = 136, kDateX = 160;
constexpr qreal kAmountX = 198, kAmountWidth = 61, kAmountStep = 63;
constexpr qreal kLineHeight = 10;
constexpr qreal kBodySize = 8;

qreal amountX(int column) // 0 amount, 1 owing, 2..5 the age columns
{
    return kAmountX + column * kAmountStep;
}

QRectF amountRect(int column, qreal y = 0)
{
    return QRectF(amountX(column), y, kAmountWidth, kLineHeight);
}

// A money field of the row in its column; empty when the row leaves it empty.
report::Element amountField(int column, const QString& name, qreal y = 0)
{
    return moneyField(amountRect(column, y), name);
}

report::Element sumInColumn(int column, const QString& total, qreal y = 0)
{
    return sumField(amountRect(column, y), total);
}

// The five money columns of a totals line: owing and the four age columns.
void addTotals(Band& band, const QString& prefix, qreal y)
{
    band.add(sumInColumn(1, prefix + QStringLiteral("Owing"), y));
    for (int i = 0; i < 4; ++i)
        band.add(sumInColumn(2 + i, prefix + kAmountColumns[i], y));
}

Band columnHeader()
{
    Band band;
    band.height = 26;
    auto caption = [&band](qreal x, qreal y, qreal width, const char* text, bool right) {
        report::Element& e =
            band.add(report::label(QRectF(x, y, width, kLineHeight), QString::fromLatin1(text)))
                .bold();
        if (right)
            e.right();
    };
    // The customer's number above the invoice's, as the customer header and lines print them.
    caption(kPostedX, 2, 45, "ID no.", false);
    caption(kNumberX, 12, kDescriptionX - kNumberX, "Inv no.", false);
    caption(kDescriptionX, 12, kAgeX - kDescriptionX, "Description", false);
    caption(kAgeX, 12, kDateX - kAgeX - 4, "Age", true);
    caption(kDateX, 12, kAmountX - kDateX, "Date", false);
    const char* amounts[] = {"Amount", "Owing", "Current", "Over 30", "Over 60", "Over 90"};
    for (int i = 0; i < 6; ++i)
        caption(amountX(i), 12, kAmountWidth, amounts[i], true);
    band.add(report::rule(0, amountX(5) + kAmountWidth, 24));
    return band;
}

// The body's texts a point smaller than the title's.
void setBodySize(Band& band)
{
    for (report::Element& element : band.elements)
        element.font.pointSize = kBodySize;
    if (band.child)
        setBodySize(*band.child);
}

} // namespace

QHash<QString, QString> agedHeadings(const AgedSelection& selection, const QString& currencyName,
                                     const QString& customerName)
{
    QString first;
    if (selection.currencyId)
        first += QStringLiteral("     Currency: ") + currencyName;
    if (selection.customerId)
        first += QStringLiteral("     Customer: ") + customerName;
    QString second;
    if (selection.minOwing > Money())
        second += QStringLiteral("     Min Owing: ") + moneyText(selection.minOwing);
    if (selection.minDays > 0)
        second += QStringLiteral("     Min Days Old: ") + QString::number(selection.minDays);
    return {{QStringLiteral("Selection1"), first},
            {QStringLiteral("Selection2"), second},
            {QStringLiteral("Heading"),
             QStringLiteral("Aged as of: ") + formatDate(kListDateFormat, selection.asOf)}};
}

report::ReportDefinition agedTrialBalance()
{
    report::ReportDefinition d;
    d.title = QStringLiteral("Aged Trial Balance");
    const qreal width = amountX(5) + kAmountWidth;

    // Whether any customer printed its domestic totals: decides the summary's caption.
    auto domesticPrinted = std::make_shared<bool>(false);
    d.onStart = [domesticPrinted] { *domesticPrinted = false; };

    d.title_band.height = 58;
    addTitle(d.title_band, width);
    addParameterLine(d.title_band, QStringLiteral("Selection1"), 20, width, kLineHeight);
    addParameterLine(d.title_band, QStringLiteral("Selection2"), 31, width, kLineHeight);
    addParameterLine(d.title_band, QStringLiteral("Heading"), 42, width, kLineHeight);

    d.columnHeader = columnHeader();

    report::Group customer;
    customer.key = report::byField(QStringLiteral("CustomerID"));
    customer.header.height = 14;
    customer.header
        .add(report::field(QRectF(kPostedX, 2, kDescriptionX - 2, kLineHeight),
                           QStringLiteral("CustomerNo")))
        .bold();
    customer.header
        .add(report::field(QRectF(kDescriptionX, 2, 150, kLineHeight),
                           QStringLiteral("CustomerName")))
        .bold();
    customer.header.add(report::field(QRectF(kDescriptionX + 154, 2, 250, kLineHeight),
                                      QStringLiteral("CustomerNamePhone")));

    customer.footer.height = 18;
    customer.footer.add(report::rule(amountX(1), width, 1));
    customer.footer
        .add(report::label(QRectF(kDescriptionX, 3, amountX(1) - kDescriptionX - 4, kLineHeight),
                           QStringLiteral("Customer Totals:")))
        .right()
        .bold();
    addTotals(customer.footer, QStringLiteral("Customer"), 3);

    // The domestic line only for a currency with an exchange rate.
    auto domestic = std::make_shared<Band>();
    domestic->height = 16;
    domestic
        ->add(report::label(QRectF(kDescriptionX, 0, amountX(1) - kDescriptionX - 4, kLineHeight),
                            QStringLiteral("Customer Totals (Domestic):")))
        .right()
        .bold();
    addTotals(*domestic, QStringLiteral("CustomerDomestic"), 0);
    domestic->beforePrint = [domesticPrinted](ReportContext& c) {
        if (c.value(QStringLiteral("ExchangeRate")).toDouble() <= 0)
            return false;
        *domesticPrinted = true;
        return true;
    };
    customer.footer.child = domestic;
    d.groups.push_back(std::move(customer));

    d.detail.height = kLineHeight;
    d.detail.add(
        report::computed(QRectF(kPostedX, 0, kNumberX, kLineHeight), [](const ReportContext& c) {
            return c.value(QStringLiteral("Posted")).toBool() ? QStringLiteral("*") : QString();
        }));
    d.detail.add(report::field(QRectF(kNumberX, 0, kDescriptionX - kNumberX - 2, kLineHeight),
                               QStringLiteral("InvoiceNo")));
    d.detail.add(report::field(QRectF(kDescriptionX, 0, kAgeX - kDescriptionX - 2, kLineHeight),
                               QStringLiteral("Description")));
    d.detail
        .add(
            report::field(QRectF(kAgeX, 0, kDateX - kAgeX - 4, kLineHeight), QStringLiteral("Age")))
        .right();
    d.detail.add(dateField(QRectF(kDateX, 0, kAmountX - kDateX, kLineHeight),
                           QStringLiteral("InvoiceDate")));
    d.detail.add(amountField(0, QStringLiteral("InvoiceAmount")));
    d.detail.add(amountField(1, QStringLiteral("Owing")));
    for (int i = 0; i < 4; ++i)
        d.detail.add(amountField(2 + i, kAmountColumns[i]));

    d.summary.height = 22;
    d.summary.add(report::rule(amountX(1), width, 2, 1));
    d.summary
        .add(report::computed(QRectF(kDescriptionX, 5, amountX(1) - kDescriptionX - 4, kLineHeight),
                              [domesticPrinted](const ReportContext&) {
                                  return *domesticPrinted
                                             ? QStringLiteral("Report Totals (Domestic):")
                                             : QStringLiteral("Report Totals:");
                              }))
        .right()
        .bold();
    addTotals(d.summary, QStringLiteral("ReportDomestic"), 5);

    addPageFoot(d.pageFooter, width, kLineHeight);

    for (Band* band : {&d.columnHeader, &d.groups[0].header, &d.groups[0].footer, &d.detail,
                       &d.summary, &d.pageFooter})
        setBodySize(*band);

    const QStringList owing = QStringList{QStringLiteral("Owing")} + kAmountColumns;
    for (const QString& field : owing) {
        d.totals.push_back(runningTotal(QStringLiteral("Customer") + field, field, 0));
        d.totals.push_back(runningTotal(
            QStringLiteral("CustomerDomestic") + field,
            field == QLatin1String("Owing") ? QStringLiteral("OwingDomestic") : domesticOf(field),
            0));
        d.totals.push_back(runningTotal(
            QStringLiteral("ReportDomestic") + field,
            field == QLatin1String("Owing") ? QStringLiteral("OwingDomestic") : domesticOf(field),
            -1));
    }
    return d;
}

report::ListRowSource agedRows(const std::vector<AgedLine>& lines)
{
    QStringList fields = {QStringLiteral("CustomerID"),    QStringLiteral("CustomerNo"),
                          QStringLiteral("CustomerName"),  QStringLiteral("CustomerNamePhone"),
                          QStringLiteral("ExchangeRate"),  QStringLiteral("InvoiceNo"),
                          QStringLiteral("InvoiceDate"),   QStringLiteral("Posted"),
                          QStringLiteral("Description"),   QStringLiteral("Age"),
                          QStringLiteral("InvoiceAmount"), QStringLiteral("Owing"),
                          QStringLiteral("OwingDomestic")};
    for (const QString& column : kAmountColumns)
        fields << column << domesticOf(column);
    return rowsOf(lines, fields, [](report::Row& row, const AgedLine& line) {
        row.set(QStringLiteral("CustomerID"), line.customerId);
        row.set(QStringLiteral("CustomerNo"), line.customerNo);
        row.set(QStringLiteral("CustomerName"), line.customerName);
        row.set(QStringLiteral("CustomerNamePhone"), line.customerNamePhone);
        row.set(QStringLiteral("ExchangeRate"), line.exchangeRate);
        row.set(QStringLiteral("InvoiceNo"), line.invoiceNo);
        row.set(QStringLiteral("InvoiceDate"), line.invoiceDate);
        row.set(QStringLiteral("Posted"), line.posted);
        row.set(QStringLiteral("Description"), line.description);
        row.set(QStringLiteral("Age"), line.age);
        row.set(QStringLiteral("InvoiceAmount"), line.invoiceAmount.raw());
        row.set(QStringLiteral("Owing"), line.owing.raw());
        row.set(QStringLiteral("OwingDomestic"), line.owingDomestic.raw());
        row.set(kAmountColumns[line.column], line.owing.raw());
        row.set(domesticOf(kAmountColumns[line.column]), line.owingDomestic.raw());
    });
}

int printAgedTrialBalance(const std::vector<AgedLine>& lines, report::PageSink& sink,
                          report::RunOptions options)
{
    const report::ReportDefinition definition = agedTrialBalance();
    report::ListRowSource rows = agedRows(lines);
    return runReport(definition, rows, sink, std::move(options));
}

} // namespace reports

#include "reports/unbilled/unbilleddeliveries.h"

#include "common/formats.h"
#include "reports/printhelpers.h"
#include "reports/unbilled/unbilledorder.h"

namespace reports
{

using billing::UnbilledDelivery;
using report::Band;
using report::ReportContext;

namespace
{

constexpr qreal kWidth = 576;
constexpr qreal kLineHeight = 11;
// The group headers step in under one another; the lines start below the client.
constexpr qreal kFunderX = 12, kClientX = 24, kClientNameX = 84;
constexpr qreal kDateX = 36, kItemX = 84, kQuantityX = 240, kQuantityWidth = 26;
constexpr qreal kFundingX = 274, kDetailX = 322, kAmountX = 520, kAmountWidth = 56;

// The groups, outermost first, and the totals kept for each.
enum GroupIndex { kReasonGroup = 0, kFunderGroup = 1, kClientGroup = 2 };
const QString kReasonPrefix = QStringLiteral("Reason");
const QString kFunderPrefix = QStringLiteral("Funder");
const QString kClientPrefix = QStringLiteral("Client");
const QString kReportPrefix = QStringLiteral("Report");

QString quantityTotal(const QString& prefix)
{
    return prefix + QStringLiteral("Quantity");
}

QString amountTotal(const QString& prefix)
{
    return prefix + QStringLiteral("Amount");
}

// Quantities are whole meals; they are added up as raw units of a running total.
report::RunningTotal quantityRunningTotal(const QString& prefix, int resetAfterGroup)
{
    return {quantityTotal(prefix),
            [](const ReportContext& c) {
                return std::optional<Money>(
                    Money::fromRaw(c.value(QStringLiteral("Quantity")).toLongLong()));
            },
            resetAfterGroup};
}

QRectF quantityRect(qreal y)
{
    return QRectF(kQuantityX, y, kQuantityWidth, kLineHeight);
}

QRectF amountRect(qreal y)
{
    return QRectF(kAmountX, y, kAmountWidth, kLineHeight);
}

// A group's quantity and the amounts of its lines that have one; a group none of whose lines
// has a known amount leaves the amount blank rather than print 0.00.
void addTotals(Band& band, const QString& prefix, qreal y, const report::Condition& shown = {})
{
    band.add(report::computed(quantityRect(y),
                              [total = quantityTotal(prefix)](const ReportContext& c) {
                                  return QString::number(c.sum(total).raw());
                              }))
        .right()
        .bold()
        .when(shown);
    band.add(report::computed(amountRect(y),
                              [total = amountTotal(prefix)](const ReportContext& c) {
                                  return c.count(total) > 0 ? moneyText(c.sum(total)) : QString();
                              }))
        .right()
        .bold()
        .when(shown);
}

// "Total for <the group's name>:" at the group's own indentation, its totals beside it.
Band groupFooter(qreal x, const QString& nameField, const QString& prefix, qreal height)
{
    Band band;
    band.height = height;
    band.add(report::computed(QRectF(x, 2, kQuantityX - x - 4, kLineHeight),
                              [nameField](const ReportContext& c) {
                                  return QStringLiteral("Total for ") + c.text(nameField) +
                                         QLatin1Char(':');
                              }))
        .bold();
    band.add(report::rule(kQuantityX, kWidth, 1));
    addTotals(band, prefix, 2);
    return band;
}

Band titleBand()
{
    Band band;
    band.height = 48;
    addTitle(band, kWidth);
    addParameterLine(band, QStringLiteral("Heading"), 20, kWidth, kLineHeight);
    addParameterLine(band, QStringLiteral("RanAt"), 32, kWidth, kLineHeight);
    return band;
}

Band columnHeader()
{
    Band band;
    band.height = 16;
    auto caption = [&band](qreal x, qreal width, const char* text) -> report::Element& {
        return band.add(report::label(QRectF(x, 2, width, kLineHeight), QString::fromLatin1(text)))
            .bold();
    };
    caption(kDateX, kItemX - kDateX, "Date");
    caption(kItemX, kQuantityX - kItemX, "Meal item");
    caption(kQuantityX, kQuantityWidth, "Qty").right();
    caption(kFundingX, kDetailX - kFundingX, "Funding");
    caption(kDetailX, kAmountX - kDetailX, "Detail");
    caption(kAmountX, kAmountWidth, "Would bill").right();
    band.add(report::rule(0, kWidth, 14));
    return band;
}

report::Group reasonGroup()
{
    report::Group group;
    group.key = report::byField(QStringLiteral("ReasonCode"));
    group.repeatHeader = true;
    group.header.height = 18;
    group.header
        .add(report::field(QRectF(0, 5, kWidth, kLineHeight + 2), QStringLiteral("ReasonText")))
        .size(10)
        .bold();
    group.footer = groupFooter(0, QStringLiteral("ReasonText"), kReasonPrefix, 20);
    return group;
}

report::Group funderGroup()
{
    report::Group group;
    group.key = report::byField(QStringLiteral("FunderName"));
    group.repeatHeader = true;
    group.header.height = 14;
    group.header
        .add(report::field(QRectF(kFunderX, 2, kWidth - kFunderX, kLineHeight),
                           QStringLiteral("BilledParty")))
        .bold()
        .italic();
    group.footer = groupFooter(kFunderX, QStringLiteral("BilledParty"), kFunderPrefix, 16);
    return group;
}

report::Group clientGroup()
{
    report::Group group;
    group.key = report::byField(QStringLiteral("ClientID"));
    group.repeatHeader = true;
    group.header.height = 13;
    group.header
        .add(report::field(QRectF(kClientX, 2, kClientNameX - kClientX - 4, kLineHeight),
                           QStringLiteral("ClientID")))
        .bold();
    group.header.add(report::field(QRectF(kClientNameX, 2, kWidth - kClientNameX, kLineHeight),
                                   QStringLiteral("ClientName")));
    // A client with one line needs no subtotal of it.
    group.footer = groupFooter(kClientX, QStringLiteral("ClientID"), kClientPrefix, 14);
    group.footer.beforePrint = [](ReportContext& c) {
        return c.count(quantityTotal(kClientPrefix)) > 1;
    };
    return group;
}

Band detail()
{
    Band band;
    band.height = kLineHeight;
    band.add(dateField(QRectF(kDateX, 0, kItemX - kDateX - 4, kLineHeight),
                       QStringLiteral("DeliveryDate")));
    band.add(report::field(QRectF(kItemX, 0, kQuantityX - kItemX - 4, kLineHeight),
                           QStringLiteral("MealItem")));
    band.add(report::field(quantityRect(0), QStringLiteral("Quantity"))).right();
    band.add(report::field(QRectF(kFundingX, 0, kDetailX - kFundingX - 4, kLineHeight),
                           QStringLiteral("FundingCode")));
    band.add(report::field(QRectF(kDetailX, 0, kAmountX - kDetailX - 6, kLineHeight),
                           QStringLiteral("Detail")))
        .wrap();
    band.add(moneyField(amountRect(0), QStringLiteral("Amount")));
    return band;
}

// The report's totals, and how many lines the amounts leave out; or, for a run that billed
// everything, the one line that says so.
Band summary()
{
    const auto anyLine = [](const ReportContext& c) {
        return c.count(quantityTotal(kReportPrefix)) > 0;
    };
    const auto unknownAmounts = [](const ReportContext& c) {
        return c.count(quantityTotal(kReportPrefix)) - c.count(amountTotal(kReportPrefix));
    };
    Band band;
    band.height = 34;
    band.closeUpEmptyRows = true;
    band.add(report::label(QRectF(0, 6, kWidth, kLineHeight), kNothingUnbilled))
        .when([anyLine](const ReportContext& c) { return !anyLine(c); });
    band.add(report::rule(kQuantityX, kWidth, 2, 1)).when(anyLine);
    band.add(report::label(QRectF(0, 6, kQuantityX - 4, kLineHeight),
                           QStringLiteral("Report Totals:")))
        .bold()
        .when(anyLine);
    addTotals(band, kReportPrefix, 6, anyLine);
    band.add(report::computed(QRectF(0, 19, kWidth, kLineHeight),
                              [unknownAmounts](const ReportContext& c) {
                                  const int unknown = unknownAmounts(c);
                                  return unknown == 1
                                             ? QStringLiteral("1 line has no known amount and "
                                                              "is not in the amounts.")
                                             : QStringLiteral("%1 lines have no known amount "
                                                              "and are not in the amounts.")
                                                   .arg(unknown);
                              }))
        .when([unknownAmounts](const ReportContext& c) { return unknownAmounts(c) > 0; });
    return band;
}

} // namespace

QHash<QString, QString> unbilledHeadings(const billing::UnbilledRun& run)
{
    const QString ranAt = shortDate(run.ranAt.date()) + QLatin1Char(' ') +
                          run.ranAt.time().toString(QStringLiteral("h:mm AP"));
    return {
        {QStringLiteral("Heading"),
         QStringLiteral("Period: %1-%2")
             .arg(shortDate(run.period.start), shortDate(run.period.end))},
        {QStringLiteral("RanAt"),
         (run.preview ? QStringLiteral("Preview run of ") : QStringLiteral("Run of ")) + ranAt}};
}

report::ReportDefinition unbilledDeliveries()
{
    report::ReportDefinition d;
    d.title = kUnbilledDeliveriesTitle;
    d.title_band = titleBand();
    d.columnHeader = columnHeader();
    d.groups = {reasonGroup(), funderGroup(), clientGroup()};
    d.detail = detail();
    d.summary = summary();
    addPageFoot(d.pageFooter, kWidth, kLineHeight);
    const std::pair<QString, int> levels[] = {{kReasonPrefix, kReasonGroup},
                                              {kFunderPrefix, kFunderGroup},
                                              {kClientPrefix, kClientGroup},
                                              {kReportPrefix, -1}};
    for (const auto& [prefix, group] : levels) {
        d.totals.push_back(quantityRunningTotal(prefix, group));
        d.totals.push_back(runningTotal(amountTotal(prefix), QStringLiteral("Amount"), group));
    }
    return d;
}

report::ListRowSource unbilledRows(const QList<UnbilledDelivery>& deliveries)
{
    const QStringList fields = {
        QStringLiteral("ReasonCode"),   QStringLiteral("ReasonText"), QStringLiteral("FunderName"),
        QStringLiteral("BilledParty"),  QStringLiteral("ClientID"),   QStringLiteral("ClientName"),
        QStringLiteral("DeliveryDate"), QStringLiteral("MealItem"),   QStringLiteral("Quantity"),
        QStringLiteral("FundingCode"),  QStringLiteral("Detail"),     QStringLiteral("Amount")};
    return rowsOf(
        inReportOrder(deliveries), fields, [](report::Row& row, const UnbilledDelivery& delivery) {
            row.set(QStringLiteral("ReasonCode"), billing::unbilledReasonCode(delivery.reason));
            row.set(QStringLiteral("ReasonText"), billing::unbilledReasonText(delivery.reason));
            row.set(QStringLiteral("FunderName"), delivery.funderName);
            row.set(QStringLiteral("BilledParty"), billedPartyLabel(delivery));
            row.set(QStringLiteral("ClientID"), delivery.clientId);
            row.set(QStringLiteral("ClientName"), delivery.clientName);
            row.set(QStringLiteral("DeliveryDate"), delivery.deliveryDate);
            row.set(QStringLiteral("MealItem"), delivery.mealItem);
            row.set(QStringLiteral("Quantity"), delivery.quantity);
            row.set(QStringLiteral("FundingCode"), delivery.fundingCode);
            row.set(QStringLiteral("Detail"), delivery.detail);
            if (delivery.wouldHaveBilled) // unknown stays empty: never printed as 0
                row.set(QStringLiteral("Amount"), delivery.wouldHaveBilled->raw());
        });
}

int printUnbilledDeliveries(const billing::UnbilledRun& run, report::PageSink& sink,
                            const QDateTime& printedAt)
{
    const report::ReportDefinition definition = unbilledDeliveries();
    report::ListRowSource rows = unbilledRows(run.deliveries);
    return runReport(definition, rows, sink, {printedAt, unbilledHeadings(run)});
}

} // namespace reports

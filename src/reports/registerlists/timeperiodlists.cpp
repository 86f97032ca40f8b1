#include "reports/registerlists/timeperiodlists.h"

#include "common/dialogs.h"
#include "common/formats.h"
#include "reports/namedsources.h"

#include <QDir>

namespace reports
{

namespace
{

struct ListRows {
    QString source;
    QString dateField;
    QStringList order;
};

ListRows rowsOf(TimePeriodList list)
{
    const QString invoices = QStringLiteral("ARInv");
    const QString payments = QStringLiteral("ARPmt");
    const QString invoiceDate = QStringLiteral("InvoiceDate");
    const QString paymentDate = QStringLiteral("PaymentDate");
    switch (list) {
    case TimePeriodList::InvoicesById:
        return {invoices, invoiceDate, {"CustomerNo", "InvoiceDate", "InvoiceNo"}};
    case TimePeriodList::InvoicesByName:
        return {invoices, invoiceDate, {"CustomerName", "CustomerNo", "InvoiceDate", "InvoiceNo"}};
    case TimePeriodList::PaymentsByDate:
        return {payments, paymentDate, {"PaymentDate", "ChequeNo"}};
    case TimePeriodList::PaymentsById:
        return {payments, paymentDate, {"CustomerNo", "PaymentDate", "ChequeNo"}};
    }
    return {};
}

} // namespace

TimePeriod previousMonth(const QDate& today)
{
    const QDate first = QDate(today.year(), today.month(), 1).addMonths(-1);
    return {first, first.addDays(first.daysInMonth() - 1)};
}

QString timePeriodTemplateName(TimePeriodList list)
{
    switch (list) {
    case TimePeriodList::InvoicesById:
        return QStringLiteral("InvoiceListInTimePeriodByID.rtm");
    case TimePeriodList::InvoicesByName:
        return QStringLiteral("InvoiceListInTimePeriodByName.rtm");
    case TimePeriodList::PaymentsByDate:
        return QStringLiteral("PaymentsInTimePeriodByDate.rtm");
    case TimePeriodList::PaymentsById:
        return QStringLiteral("PaymentsInTimePeriodByID.rtm");
    }
    return {};
}

QString timePeriodTemplatePath(const QString& directory, TimePeriodList list)
{
    return QDir::cleanPath(directory + QLatin1Char('/') + timePeriodTemplateName(list));
}

QHash<QString, QString> timePeriodParameters(const TimePeriod& period)
{
    return {{QStringLiteral("DateFrom"), shortDate(period.from)},
            {QStringLiteral("DateTo"), shortDate(period.to)}};
}

std::optional<BoundReport> openTimePeriodList(TimePeriodList list, const TimePeriod& period,
                                              const QString& directory, Dialogs& dialogs,
                                              Database& db)
{
    const QString fileName = timePeriodTemplatePath(directory, list);
    const NamedSources sources;
    std::optional<report::ReportTemplate> reportTemplate =
        loadUserTemplate(fileName, dialogs, sources);
    if (!reportTemplate)
        return std::nullopt;

    const ListRows rows = rowsOf(list);
    const NamedSource* source = sources.find(reportTemplate->source);
    if (!source || source->name != rows.source) {
        dialogs.inform(
            Dialogs::Kind::Error,
            QStringLiteral("%1: source: this list prints the rows of \"%2\", not \"%3\"")
                .arg(QDir::toNativeSeparators(fileName), rows.source, reportTemplate->source));
        return std::nullopt;
    }
    // The menu's order first; a template's own groups and order only break its ties.
    QStringList order = rows.order;
    for (const QString& field : reportTemplate->orderBy) {
        if (!order.contains(field, Qt::CaseInsensitive))
            order << field;
    }
    const QString date = source->field(rows.dateField)->expression;
    auto bound = sources.open(
        db, source->name, order, QStringLiteral("%1 >= :dateFrom AND %1 <= :dateTo").arg(date),
        {{QStringLiteral(":dateFrom"), period.from}, {QStringLiteral(":dateTo"), period.to}});
    return BoundReport(std::move(*reportTemplate), std::move(bound));
}

} // namespace reports

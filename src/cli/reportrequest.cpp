#include "cli/reportrequest.h"

#include "cli/commandoptions.h"
#include "cli/commandrun.h"
#include "cli/commands.h"
#include "engine/database.h"
#include "report/pdfoutput.h"
#include "report/ui/printeroutput.h"
#include "reports/selectionnames.h"

#include <QFileInfo>
#include <QPrinter>
#include <limits>

namespace
{

// A whole number from `low` to `high`; else what the option takes, and `number` left empty.
QString readWholeNumber(const QString& option, const QString& value, const QString& what,
                        std::optional<int>& number, int low = std::numeric_limits<int>::min(),
                        int high = std::numeric_limits<int>::max())
{
    bool ok = false;
    const int read = value.toInt(&ok);
    if (!ok || read < low || read > high) {
        number.reset();
        return QStringLiteral("%1 takes %2, not %3.").arg(option, what, value);
    }
    number = read;
    return {};
}

} // namespace

QString readReportRequest(const QStringList& args, ReportRequest& r)
{
    r.asOf = QDate::currentDate();
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& option = args[i];
        if (i + 1 >= args.size())
            return QStringLiteral("%1 needs a value.").arg(option);
        const QString value = args[++i];
        if (option == QLatin1String("--as-of")) {
            if (QString wrong = readIsoDate(value, r.asOf); !wrong.isEmpty())
                return wrong;
        } else if (option == QLatin1String("--period")) {
            if (QString wrong = readWholeNumber(option, value, QStringLiteral("a month, 1 to 12"),
                                                r.period, 1, 12);
                !wrong.isEmpty())
                return wrong;
        } else if (option == QLatin1String("--year")) {
            if (QString wrong = readWholeNumber(
                    option, value, QStringLiteral("a year of four digits"), r.year, 1900, 9999);
                !wrong.isEmpty())
                return wrong;
        } else if (option == QLatin1String("--currency")) {
            if (QString wrong = readWholeNumber(
                    option, value, QStringLiteral("a currency's number"), r.currencyId);
                !wrong.isEmpty())
                return wrong;
        } else if (option == QLatin1String("--customer")) {
            r.customerNo = value;
        } else if (option == QLatin1String("--min-owing")) {
            const std::optional<Money> amount = Money::tryFromHost(value);
            if (!amount || *amount < Money())
                return QStringLiteral("--min-owing takes an amount such as 100.00, not %1.")
                    .arg(value);
            r.minOwing = *amount;
        } else if (option == QLatin1String("--min-days")) {
            std::optional<int> days;
            if (QString wrong = readWholeNumber(option, value,
                                                QStringLiteral("a whole number of days"), days, 0);
                !wrong.isEmpty())
                return wrong;
            r.minDays = *days;
        } else if (option == QLatin1String("--pdf")) {
            r.pdf = value;
        } else if (option == QLatin1String("--printer")) {
            r.printer = value;
        } else if (option == QLatin1String("--csv")) {
            r.csv = value;
        } else {
            return QStringLiteral("Unknown option %1.").arg(option);
        }
    }
    if (!r.pdf.isEmpty() && !r.printer.isEmpty())
        return QStringLiteral("Use either --pdf or --printer, not both.");
    return {};
}

bool resolveSelection(Database& db, ReportRequest& request, CliContext& context)
{
    // The currency first: with both wrong, the currency is the one reported.
    const reports::SelectionNames currency =
        reports::selectionNames(db, request.currencyId, std::nullopt);
    if (request.currencyId && !currency.currencyOnFile) {
        context.err << "There is no currency " << *request.currencyId << "." << Qt::endl;
        return false;
    }
    request.currencyName = currency.currency;
    if (!request.customerNo.isEmpty()) {
        const std::optional<qint64> id = customerNamed(db, request.customerNo, context);
        if (!id)
            return false;
        request.customerId = int(*id);
        request.customerName =
            reports::selectionNames(db, std::nullopt, request.customerId).customer;
    }
    return true;
}

reports::ReportSelection reportSelection(const ReportRequest& request)
{
    reports::ReportSelection selection;
    selection.asOf = request.asOf;
    selection.currencyId = request.currencyId;
    selection.customerId = request.customerId;
    selection.minOwing = request.minOwing;
    selection.minDays = request.minDays;
    return selection;
}

int printRequested(const ReportRequest& request, const QString& title,
                   const std::function<int(report::PageSink&)>& print)
{
    if (!request.printer.isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(request.printer);
        report::prepareReportPrinter(printer);
        report::PrinterOutput output(printer);
        const int pages = print(output);
        output.finish();
        return pages;
    }
    report::PdfOutput output(request.pdf, title);
    const int pages = print(output);
    output.finish();
    return pages;
}

QString destinationText(const ReportRequest& request)
{
    return request.printer.isEmpty() ? QFileInfo(request.pdf).absoluteFilePath() : request.printer;
}

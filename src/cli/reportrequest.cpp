#include "cli/reportrequest.h"

#include "cli/commandoptions.h"
#include "cli/commandrun.h"
#include "cli/commands.h"
#include "engine/database.h"
#include "engine/statement.h"
#include "report/pdfoutput.h"
#include "report/ui/printeroutput.h"

#include <QFileInfo>
#include <QPrinter>

namespace
{

QString readWholeNumber(const QString& option, const QString& value, const QString& what,
                        std::optional<int>& number)
{
    bool ok = false;
    number = value.toInt(&ok);
    if (!ok) {
        number.reset();
        return QStringLiteral("%1 takes %2, not %3.").arg(option, what, value);
    }
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
            if (QString wrong =
                    readWholeNumber(option, value, QStringLiteral("a month, 1 to 12"), r.period);
                !wrong.isEmpty())
                return wrong;
            if (*r.period < 1 || *r.period > 12)
                return QStringLiteral("--period takes a month, 1 to 12, not %1.").arg(value);
        } else if (option == QLatin1String("--year")) {
            if (QString wrong =
                    readWholeNumber(option, value, QStringLiteral("a year of four digits"), r.year);
                !wrong.isEmpty())
                return wrong;
            if (*r.year < 1900 || *r.year > 9999)
                return QStringLiteral("--year takes a year of four digits, not %1.").arg(value);
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
            bool ok = false;
            r.minDays = value.toInt(&ok);
            if (!ok || r.minDays < 0)
                return QStringLiteral("--min-days takes a whole number of days, not %1.")
                    .arg(value);
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
    if (request.currencyId) {
        Statement find =
            db.prepare(QStringLiteral("SELECT CurrencyName FROM Currency WHERE CurrencyID = :id"));
        find.bind(QStringLiteral(":id"), *request.currencyId).exec();
        if (!find.next()) {
            context.err << "There is no currency " << *request.currencyId << "." << Qt::endl;
            return false;
        }
        request.currencyName = find.text(0);
    }
    if (!request.customerNo.isEmpty()) {
        const std::optional<qint64> id = customerNamed(db, request.customerNo, context);
        if (!id)
            return false;
        request.customerId = int(*id);
        Statement find =
            db.prepare(QStringLiteral("SELECT CustomerName FROM Customer WHERE CustomerID = :id"));
        find.bind(QStringLiteral(":id"), *id).exec();
        if (find.next())
            request.customerName = find.text(0);
    }
    return true;
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

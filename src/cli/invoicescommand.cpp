// tallywick invoices: the invoice register from a terminal. list shows the register's list with
// its Outstanding toggle and filter; delete, delete-date and copy run the register's commands,
// asking their questions as the register does and refusing what it refuses.
#include "cli/answeringdialogs.h"
#include "cli/commandoptions.h"
#include "cli/commandrun.h"
#include "cli/commands.h"
#include "cli/consoledialogs.h"
#include "cli/listoutput.h"
#include "common/formats.h"
#include "data/datamodule.h"
#include "engine/database.h"
#include "receivables/invoices/invoicedocument.h"
#include "receivables/invoices/invoicerefusal.h"
#include "receivables/invoices/register/registercolumns.h"
#include "receivables/invoices/register/registercopy.h"
#include "receivables/invoices/register/registerdelete.h"
#include "receivables/invoices/register/registerlist.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <optional>

namespace
{

const char* const kUsage =
    "Usage: tallywick invoices list [--outstanding] [--customer NO] [--posted yes|no]\n"
    "                              [--printed yes|no] [--description TEXT]\n"
    "                              [--sort date|number] [--format table|csv|json]\n"
    "       tallywick invoices delete --invoice NO [--yes|--no]\n"
    "       tallywick invoices delete-date DATE [--yes|--no]\n"
    "       tallywick invoices copy --invoice NO [--prices current|invoice] [--yes|--no]";

struct Request {
    QString action;
    RegisterView view;
    QString customerNo;
    QString format = QStringLiteral("table");
    QString invoiceNo;
    QDate date;
    std::optional<Dialogs::Button> answer;      // --yes / --no
    std::optional<Dialogs::Button> priceAnswer; // --prices: Yes takes the current prices
};

QString readRequest(const QStringList& args, Request& r)
{
    r.action = args.value(0);
    const QStringList actions{QStringLiteral("list"), QStringLiteral("delete"),
                              QStringLiteral("delete-date"), QStringLiteral("copy")};
    if (!actions.contains(r.action))
        return QStringLiteral("Name what to do: list, delete, delete-date or copy.");
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& option = args[i];
        if (option == QLatin1String("--yes") || option == QLatin1String("--no")) {
            r.answer = option == QLatin1String("--yes") ? Dialogs::Yes : Dialogs::No;
            continue;
        }
        if (option == QLatin1String("--outstanding")) {
            r.view.outstanding = true;
            continue;
        }
        if (r.action == QLatin1String("delete-date") && !option.startsWith(QLatin1String("--")) &&
            !r.date.isValid()) {
            if (QString wrong = readIsoDate(option, r.date); !wrong.isEmpty())
                return wrong;
            continue;
        }
        if (i + 1 >= args.size())
            return QStringLiteral("%1 needs a value.").arg(option);
        const QString value = args[++i];
        QString wrong;
        if (option == QLatin1String("--customer")) {
            r.customerNo = value;
        } else if (option == QLatin1String("--posted")) {
            wrong = readFlag(option, value, r.view.filter.posted);
        } else if (option == QLatin1String("--printed")) {
            wrong = readFlag(option, value, r.view.filter.printed);
        } else if (option == QLatin1String("--description")) {
            r.view.filter.description = value;
        } else if (option == QLatin1String("--sort")) {
            wrong = readWord(option, value, {QStringLiteral("date"), QStringLiteral("number")});
            if (value == QLatin1String("number"))
                r.view.order = RegisterOrder::InvoiceNo;
        } else if (option == QLatin1String("--format")) {
            wrong =
                readWord(option, value,
                         {QStringLiteral("table"), QStringLiteral("csv"), QStringLiteral("json")});
            r.format = value;
        } else if (option == QLatin1String("--invoice")) {
            r.invoiceNo = value;
        } else if (option == QLatin1String("--prices")) {
            wrong = readWord(option, value, {QStringLiteral("current"), QStringLiteral("invoice")});
            r.priceAnswer = value == QLatin1String("current") ? Dialogs::Yes : Dialogs::No;
        } else {
            wrong = QStringLiteral("Unknown option %1.").arg(option);
        }
        if (!wrong.isEmpty())
            return wrong;
    }
    if ((r.action == QLatin1String("delete") || r.action == QLatin1String("copy")) &&
        r.invoiceNo.isEmpty())
        return QStringLiteral("Name the invoice with --invoice NO.");
    if (r.action == QLatin1String("delete-date") && !r.date.isValid())
        return QStringLiteral("Name the invoice date as yyyy-mm-dd.");
    return {};
}

// ----- list

const QStringList kFileColumns{QStringLiteral("InvoiceNo"),      QStringLiteral("CustomerNo"),
                               QStringLiteral("CustomerType"),   QStringLiteral("InvoiceDate"),
                               QStringLiteral("Description"),    QStringLiteral("InvoiceAmount"),
                               QStringLiteral("PaidAmount"),     QStringLiteral("DiscTakenAmount"),
                               QStringLiteral("WriteOffAmount"), QStringLiteral("Owing"),
                               QStringLiteral("Printed"),        QStringLiteral("Posted")};

QStringList fileValues(const RegisterRow& r)
{
    return {r.invoiceNo,
            r.customerNo,
            r.customerType,
            r.invoiceDate.toString(Qt::ISODate),
            r.description,
            r.invoiceAmount.toPlainString(),
            r.paidAmount.toPlainString(),
            r.discTakenAmount.toPlainString(),
            r.writeOffAmount.toPlainString(),
            r.owing.toPlainString(),
            yesNo(r.printed),
            yesNo(r.posted)};
}

void writeCsv(QTextStream& out, const QList<RegisterRow>& rows)
{
    writeCsvLine(out, kFileColumns);
    for (const RegisterRow& r : rows)
        writeCsvLine(out, fileValues(r));
}

void writeJson(QTextStream& out, const QList<RegisterRow>& rows)
{
    QJsonArray invoices;
    for (const RegisterRow& r : rows) {
        QJsonObject o = jsonObject(kFileColumns, fileValues(r));
        o.insert(QStringLiteral("Printed"), r.printed);
        o.insert(QStringLiteral("Posted"), r.posted);
        invoices.append(o);
    }
    out << QJsonDocument(invoices).toJson(QJsonDocument::Indented);
}

// The register's columns, padded; amounts and the age right-aligned.
void writeTable(QTextStream& out, const QList<RegisterRow>& rows)
{
    using namespace registercolumns;
    const QDate today = QDate::currentDate();
    QList<QStringList> cells{{}};
    for (int c = 0; c < Count; ++c)
        cells[0] << title(Column(c));
    for (const RegisterRow& r : rows) {
        QStringList line;
        for (int c = 0; c < Count; ++c)
            line << text(r, Column(c), today);
        cells << line;
    }
    writeAlignedTable(out, cells, {Age, Amount, Owing});
    out << rows.size() << " invoice(s)" << '\n';
}

int list(Database& db, Request& r, CliContext& context)
{
    if (!r.customerNo.isEmpty()) {
        r.view.filter.customerId = customerNamed(db, r.customerNo, context);
        if (!r.view.filter.customerId)
            return 1;
    }
    const QList<RegisterRow> rows = readRegister(db, r.view);
    if (r.format == QLatin1String("csv"))
        writeCsv(context.out, rows);
    else if (r.format == QLatin1String("json"))
        writeJson(context.out, rows);
    else
        writeTable(context.out, rows);
    context.out.flush();
    return 0;
}

// ----- delete and copy

// The invoice the number names; the message when it names none or more than one.
std::optional<qint64> invoiceNamed(Database& db, const QString& invoiceNo, CliContext& context)
{
    Statement s = db.prepare(
        QStringLiteral("SELECT ARInvoiceID FROM ARInv WHERE InvoiceNo = :no ORDER BY ARInvoiceID"));
    s.bind(QStringLiteral(":no"), invoiceNo).exec();
    QList<qint64> ids;
    while (s.next())
        ids << s.integer(0);
    return onlyOneNamed(ids, context, QStringLiteral("There is no invoice %1.").arg(invoiceNo),
                        [&invoiceNo](qsizetype count) {
                            return QStringLiteral("Invoice no. %1 names %2 invoices; open the "
                                                  "register to choose one.")
                                .arg(invoiceNo)
                                .arg(count);
                        });
}

int exitFor(DeleteOutcome outcome, CliContext& context)
{
    return deletionExit(outcome, context, QStringLiteral("The invoice is no longer there."));
}

int deleteOne(Database& db, const Request& r, CliContext& context)
{
    const auto id = invoiceNamed(db, r.invoiceNo, context);
    if (!id)
        return 1;
    AnsweringDialogs dialogs(context.dialogs, r.answer);
    const DeleteOutcome outcome = deleteSelectedInvoice(db, dialogs, *id);
    if (outcome == DeleteOutcome::Deleted)
        context.out << "Deleted invoice " << r.invoiceNo << "." << Qt::endl;
    return exitFor(outcome, context);
}

int deleteDate(Database& db, const Request& r, CliContext& context)
{
    AnsweringDialogs dialogs(context.dialogs, r.answer);
    const DateDeletion done = deleteInvoicesOfDate(db, dialogs, r.date, context.userName);
    if (done.outcome == DeleteOutcome::Deleted)
        context.out << "Deleted " << done.invoices << " invoice(s)." << Qt::endl;
    return exitFor(done.outcome, context);
}

int copy(Database& db, const Request& r, CliContext& context)
{
    const auto id = invoiceNamed(db, r.invoiceNo, context);
    if (!id)
        return 1;
    AnsweringDialogs dialogs(context.dialogs, r.priceAnswer ? r.priceAnswer : r.answer);
    try {
        const auto copied = copyInvoice(db, dialogs, *id);
        if (!copied) {
            context.err << "The invoice is no longer there." << Qt::endl;
            return 1;
        }
        copied->ok();
        context.out << "Copied invoice " << r.invoiceNo << " to new invoice "
                    << copied->header().invoiceNo << " of "
                    << formatFloat(kMoneyListFormat, copied->header().invoiceAmount) << "."
                    << Qt::endl;
    } catch (const InvoiceRefusal& refusal) {
        context.err << refusal.message().replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                    << Qt::endl;
        return 1;
    }
    return 0;
}

} // namespace

int runInvoicesCommand(const QStringList& args, CliContext& context)
{
    Request request;
    if (const QString wrong = readRequest(args, request); !wrong.isEmpty())
        return refuseWords(context, wrong, kUsage);
    return withBooks(context.dialogs, [&](TDataModuleARSystem& module) {
        Database& db = module.database();
        if (request.action == QLatin1String("list"))
            return list(db, request, context);
        if (request.action == QLatin1String("delete"))
            return deleteOne(db, request, context);
        if (request.action == QLatin1String("delete-date"))
            return deleteDate(db, request, context);
        return copy(db, request, context);
    });
}

// tallywick payments: the payment register from a terminal. list shows the register's list
// with its Outstanding toggle and filter, each cheque with the invoices it was applied to;
// delete and reconcile run the register's commands, asking and refusing as the register does.
#include "cli/answeringdialogs.h"
#include "cli/commandoptions.h"
#include "cli/commandrun.h"
#include "cli/commands.h"
#include "cli/consoledialogs.h"
#include "cli/listoutput.h"
#include "data/datamodule.h"
#include "engine/database.h"
#include "receivables/payments/register/appliedinvoices.h"
#include "receivables/payments/register/paymentcolumns.h"
#include "receivables/payments/register/paymentdelete.h"
#include "receivables/payments/register/paymentlist.h"
#include "receivables/payments/register/paymentreconcile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <optional>

namespace
{

const char* const kUsage =
    "Usage: tallywick payments list [--outstanding] [--customer NO] [--posted yes|no]\n"
    "                               [--date YYYY-MM-DD] [--sort date|cheque]\n"
    "                               [--format table|csv|json]\n"
    "       tallywick payments delete --cheque NO [--customer NO] [--yes|--no]\n"
    "       tallywick payments reconcile --cheque NO [--customer NO] [on|off]";

struct Request {
    QString action;
    PaymentView view;
    QString customerNo;
    QString format = QStringLiteral("table");
    QString chequeNo;
    bool reconciled = true;
    std::optional<Dialogs::Button> answer; // --yes / --no
};

QString readRequest(const QStringList& args, Request& r)
{
    r.action = args.value(0);
    const QStringList actions{QStringLiteral("list"), QStringLiteral("delete"),
                              QStringLiteral("reconcile")};
    if (!actions.contains(r.action))
        return QStringLiteral("Name what to do: list, delete or reconcile.");
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
        if (r.action == QLatin1String("reconcile") &&
            (option == QLatin1String("on") || option == QLatin1String("off"))) {
            r.reconciled = option == QLatin1String("on");
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
        } else if (option == QLatin1String("--date")) {
            wrong = readIsoDate(value, r.view.filter.paymentDate);
        } else if (option == QLatin1String("--sort")) {
            wrong = readWord(option, value, {QStringLiteral("date"), QStringLiteral("cheque")});
            if (value == QLatin1String("cheque"))
                r.view.order = PaymentOrder::ChequeNo;
        } else if (option == QLatin1String("--format")) {
            wrong =
                readWord(option, value,
                         {QStringLiteral("table"), QStringLiteral("csv"), QStringLiteral("json")});
            r.format = value;
        } else if (option == QLatin1String("--cheque")) {
            r.chequeNo = value;
        } else {
            wrong = QStringLiteral("Unknown option %1.").arg(option);
        }
        if (!wrong.isEmpty())
            return wrong;
    }
    if (r.action != QLatin1String("list") && r.chequeNo.isEmpty())
        return QStringLiteral("Name the cheque with --cheque NO.");
    return {};
}

// ----- list

const QStringList kChequeColumns{QStringLiteral("ChequeNo"),    QStringLiteral("CustomerNo"),
                                 QStringLiteral("PaymentDate"), QStringLiteral("ChequeAmount"),
                                 QStringLiteral("Posted"),      QStringLiteral("Reconciled")};
const QStringList kInvoiceColumns{QStringLiteral("InvoiceNo"), QStringLiteral("AmountPaid"),
                                  QStringLiteral("DiscountTaken"), QStringLiteral("WriteOff")};

QStringList chequeValues(const PaymentRow& r)
{
    return {r.chequeNo,
            r.customerNo,
            r.paymentDate.toString(Qt::ISODate),
            r.chequeAmount.toPlainString(),
            yesNo(r.posted),
            yesNo(r.reconciled)};
}

QStringList invoiceValues(const AppliedInvoice& a)
{
    return {a.invoiceNo, a.amountPaid.toPlainString(), a.discountTaken.toPlainString(),
            a.writeOff.toPlainString()};
}

// One line per applied invoice, the cheque's columns repeated; a cheque applied to nothing
// has one line with the invoice columns empty.
void writeCsv(QTextStream& out, const QList<PaymentRow>& rows,
              const QHash<qint64, QList<AppliedInvoice>>& applied)
{
    writeCsvLine(out, kChequeColumns + kInvoiceColumns);
    for (const PaymentRow& r : rows) {
        const QList<AppliedInvoice> lines = applied.value(r.paymentId);
        if (lines.isEmpty())
            writeCsvLine(out, chequeValues(r) + QStringList(kInvoiceColumns.size(), QString()));
        for (const AppliedInvoice& a : lines)
            writeCsvLine(out, chequeValues(r) + invoiceValues(a));
    }
}

// An array of cheques, each with an "invoices" array; amounts as decimal text, flags as
// booleans.
void writeJson(QTextStream& out, const QList<PaymentRow>& rows,
               const QHash<qint64, QList<AppliedInvoice>>& applied)
{
    QJsonArray cheques;
    for (const PaymentRow& r : rows) {
        QJsonObject cheque = jsonObject(kChequeColumns, chequeValues(r));
        cheque.insert(QStringLiteral("Posted"), r.posted);
        cheque.insert(QStringLiteral("Reconciled"), r.reconciled);
        QJsonArray invoices;
        for (const AppliedInvoice& a : applied.value(r.paymentId))
            invoices.append(jsonObject(kInvoiceColumns, invoiceValues(a)));
        cheque.insert(QStringLiteral("invoices"), invoices);
        cheques.append(cheque);
    }
    out << QJsonDocument(cheques).toJson(QJsonDocument::Indented);
}

// The register's columns, padded; the amount right-aligned.
void writeTable(QTextStream& out, const QList<PaymentRow>& rows)
{
    using namespace paymentcolumns;
    QList<QStringList> cells{{}};
    for (int c = 0; c < Count; ++c)
        cells[0] << title(Column(c));
    for (const PaymentRow& r : rows) {
        QStringList line;
        for (int c = 0; c < Count; ++c)
            line << text(r, Column(c));
        cells << line;
    }
    writeAlignedTable(out, cells, {Amount});
    out << rows.size() << " payment(s)" << '\n';
}

int list(Database& db, Request& r, CliContext& context)
{
    if (!r.customerNo.isEmpty()) {
        r.view.filter.customerId = customerNamed(db, r.customerNo, context);
        if (!r.view.filter.customerId)
            return 1;
    }
    const QList<PaymentRow> rows = readPayments(db, r.view);
    if (r.format == QLatin1String("csv"))
        writeCsv(context.out, rows, appliedInvoices(db));
    else if (r.format == QLatin1String("json"))
        writeJson(context.out, rows, appliedInvoices(db));
    else
        writeTable(context.out, rows);
    context.out.flush();
    return 0;
}

// ----- delete and reconcile

// The payment the cheque number (and customer) names; the message when it names none or more
// than one.
std::optional<qint64> paymentNamed(Database& db, const Request& r, CliContext& context)
{
    PaymentView view;
    view.order = PaymentOrder::ChequeNo;
    if (!r.customerNo.isEmpty()) {
        view.filter.customerId = customerNamed(db, r.customerNo, context);
        if (!view.filter.customerId)
            return std::nullopt;
    }
    PaymentQuery query(view);
    query.addCondition(QStringLiteral("(P.ChequeNo = :cheque)"), QStringLiteral(":cheque"),
                       r.chequeNo);
    Statement s = db.prepare(query.sql(QStringLiteral("P.PaymentID")));
    query.bind(s);
    s.exec();
    QList<qint64> ids;
    while (s.next())
        ids << s.integer(0);
    return onlyOneNamed(ids, context, QStringLiteral("There is no cheque %1.").arg(r.chequeNo),
                        [&r](qsizetype count) {
                            return QStringLiteral("Cheque no. %1 names %2 payments; name the "
                                                  "customer with --customer NO.")
                                .arg(r.chequeNo)
                                .arg(count);
                        });
}

int deleteOne(Database& db, const Request& r, CliContext& context)
{
    const auto id = paymentNamed(db, r, context);
    if (!id)
        return 1;
    AnsweringDialogs dialogs(context.dialogs, r.answer);
    const DeleteOutcome outcome = deletePayment(db, dialogs, *id);
    if (outcome == DeleteOutcome::Deleted)
        context.out << "Deleted cheque " << r.chequeNo << "." << Qt::endl;
    return deletionExit(outcome, context, QStringLiteral("The cheque is no longer there."));
}

int reconcile(Database& db, const Request& r, CliContext& context)
{
    const auto id = paymentNamed(db, r, context);
    if (!id)
        return 1;
    if (!setReconciled(db, *id, r.reconciled)) {
        context.err << "The cheque is no longer there." << Qt::endl;
        return 1;
    }
    context.out << "Cheque " << r.chequeNo << (r.reconciled ? " is" : " is not") << " reconciled."
                << Qt::endl;
    return 0;
}

} // namespace

int runPaymentsCommand(const QStringList& args, CliContext& context)
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
        return reconcile(db, request, context);
    });
}

// tallywick payment add: one customer cheque recorded and applied to posted invoices, through
// the payment document as the payment window drives it. Each allocation is one line, in the
// order given: --apply with the amounts typed, --pay ("Pay + no discount") or --pay-discount
// ("Pay + take discount"). A refusal prints the document's message and stores nothing; the
// document's questions are answered by --yes or --no.
#include "cli/commandoptions.h"
#include "cli/commandrun.h"
#include "cli/commands.h"
#include "cli/consoledialogs.h"
#include "common/formats.h"
#include "common/formatsettings.h"
#include "data/datamodule.h"
#include "engine/database.h"
#include "receivables/payments/paymentdocument.h"

#include <QRegularExpression>
#include <functional>
#include <optional>

namespace
{

const char* const kUsage =
    "Usage: tallywick payment add --customer NO --cheque NO [--bank ID] [--date yyyy-mm-dd]\n"
    "           [--amount X] (--apply INVOICENO=AMOUNT[:discount=X][:writeoff=X][:account=GL]\n"
    "           | --pay INVOICENO | --pay-discount INVOICENO)... [--yes|--no]";

struct Allocation {
    enum class Kind { Typed, Pay, PayTakeDiscount } kind = Kind::Typed;
    QString invoiceNo;
    std::optional<Money> payment;
    std::optional<Money> discount;
    std::optional<Money> writeOff;
    QString account;
};

struct Request {
    QString customerNo;
    QString chequeNo;
    std::optional<qint64> bankId;
    QDate date;
    std::optional<Money> amount;
    QList<Allocation> allocations;
    std::optional<ConsoleDialogs::Answer> answer;
};

// An amount as written on the command line: digits with a decimal point ("60", "1234.56").
QString readAmount(const QString& option, const QString& text, std::optional<Money>& amount)
{
    static const QRegularExpression plain(QStringLiteral("^-?\\d+(\\.\\d{1,4})?$"));
    if (!plain.match(text).hasMatch())
        return QStringLiteral("%1 takes an amount such as 60 or 1234.56, not %2.")
            .arg(option, text);
    amount = Money::parse(text, FormatSettings::us());
    return {};
}

// INVOICENO=AMOUNT, then :discount=X, :writeoff=X and :account=GL in any order.
QString readApply(const QString& text, Allocation& a)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    const qsizetype equals = parts[0].indexOf(QLatin1Char('='));
    if (equals <= 0)
        return QStringLiteral("--apply takes INVOICENO=AMOUNT, not %1.").arg(text);
    a.invoiceNo = parts[0].left(equals);
    if (QString wrong = readAmount(QStringLiteral("--apply"), parts[0].mid(equals + 1), a.payment);
        !wrong.isEmpty())
        return wrong;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString name = parts[i].section(QLatin1Char('='), 0, 0);
        const QString value = parts[i].section(QLatin1Char('='), 1);
        QString wrong;
        if (name == QLatin1String("discount"))
            wrong = readAmount(QStringLiteral("discount"), value, a.discount);
        else if (name == QLatin1String("writeoff"))
            wrong = readAmount(QStringLiteral("writeoff"), value, a.writeOff);
        else if (name == QLatin1String("account") && !value.isEmpty())
            a.account = value;
        else
            wrong = QStringLiteral("--apply takes :discount=X, :writeoff=X or :account=GL, not "
                                   ":%1.")
                        .arg(parts[i]);
        if (!wrong.isEmpty())
            return wrong;
    }
    return {};
}

QString readRequest(const QStringList& args, Request& r)
{
    if (args.value(0) != QLatin1String("add"))
        return QStringLiteral("Name what to do: add.");
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& option = args[i];
        if (option == QLatin1String("--yes") || option == QLatin1String("--no")) {
            r.answer = option == QLatin1String("--yes") ? ConsoleDialogs::Answer::Yes
                                                        : ConsoleDialogs::Answer::No;
            continue;
        }
        if (i + 1 >= args.size())
            return QStringLiteral("%1 needs a value.").arg(option);
        const QString value = args[++i];
        QString wrong;
        if (option == QLatin1String("--customer")) {
            r.customerNo = value;
        } else if (option == QLatin1String("--cheque")) {
            r.chequeNo = value;
        } else if (option == QLatin1String("--bank")) {
            bool ok = false;
            r.bankId = value.toLongLong(&ok);
            if (!ok)
                wrong = QStringLiteral("--bank takes the bank's number, not %1.").arg(value);
        } else if (option == QLatin1String("--date")) {
            wrong = readIsoDate(value, r.date);
        } else if (option == QLatin1String("--amount")) {
            wrong = readAmount(option, value, r.amount);
        } else if (option == QLatin1String("--apply")) {
            Allocation a;
            wrong = readApply(value, a);
            r.allocations << a;
        } else if (option == QLatin1String("--pay") || option == QLatin1String("--pay-discount")) {
            Allocation a;
            a.kind = option == QLatin1String("--pay") ? Allocation::Kind::Pay
                                                      : Allocation::Kind::PayTakeDiscount;
            a.invoiceNo = value;
            r.allocations << a;
        } else {
            wrong = QStringLiteral("Unknown option %1.").arg(option);
        }
        if (!wrong.isEmpty())
            return wrong;
    }
    return {};
}

// A store the rules abandoned after a question whose answer filled in a value is confirmed
// once, as the bookkeeper confirms it in the window; one abandoned for any other reason stays
// abandoned.
template <typename Store> void storeConfirmingOnce(Store store, const std::function<bool()>& filled)
{
    try {
        store();
    } catch (const PaymentAbandoned&) {
        if (!filled())
            throw;
        store();
    }
}

void addLine(PaymentDocument& doc, const Allocation& a)
{
    doc.appendLine();
    doc.setLineInvoiceNo(a.invoiceNo);
    switch (a.kind) {
    case Allocation::Kind::Pay:
        doc.payNoDiscount();
        break;
    case Allocation::Kind::PayTakeDiscount:
        doc.payTakeDiscount();
        break;
    case Allocation::Kind::Typed:
        doc.setLinePaymentAmount(a.payment);
        if (a.discount)
            doc.setLineDiscTakenAmount(a.discount);
        if (a.writeOff)
            doc.setLineWriteOffAmount(a.writeOff);
        if (!a.account.isEmpty())
            doc.setLineWriteOffAccountNo(a.account);
        break;
    }
    // Yes to writing off what remains fills the write-off in.
    const int row = doc.editingRow();
    storeConfirmingOnce(
        [&doc] { doc.storeLine(); },
        [&doc, row] { return doc.editingRow() == row && doc.line(row).writeOffAmount; });
}

int addPayment(Database& db, Dialogs& dialogs, const Request& r, CliContext& context)
{
    auto doc = PaymentDocument::openNew(db, dialogs);
    try {
        doc->setCustomerNoText(r.customerNo);
        doc->setChequeNo(r.chequeNo);
        if (r.bankId)
            doc->setBankId(r.bankId);
        if (r.date.isValid())
            doc->setPaymentDate(r.date);
        if (r.amount)
            doc->setChequeAmount(r.amount);
        for (const Allocation& a : r.allocations)
            addLine(*doc, a);
        // Yes to the cheque amount question fills the amount in.
        storeConfirmingOnce([&doc] { doc->ok(); },
                            [&doc] { return doc->header().chequeAmount.has_value(); });
    } catch (const PaymentRefusal& refusal) {
        context.err << ConsoleDialogs::terminalText(refusal.message()) << Qt::endl;
        return 1;
    } catch (const PaymentAbandoned& abandoned) {
        context.err << "The payment was not saved"
                    << (abandoned.focus() == PaymentField::ChequeAmount
                            ? ": give the cheque amount with --amount."
                            : ".")
                    << Qt::endl;
        return 1;
    }
    const PaymentHeader& h = doc->header();
    context.out << "Payment " << h.paymentId << " stored: cheque " << h.chequeNo
                << " from customer " << doc->customerNo() << " for "
                << formatFloat(kMoneyFormat, h.chequeAmount.value_or(Money())) << " on "
                << doc->lineCount() << " invoice(s)." << Qt::endl;
    return 0;
}

} // namespace

int runPaymentCommand(const QStringList& args, CliContext& context)
{
    Request request;
    if (const QString wrong = readRequest(args, request); !wrong.isEmpty())
        return refuseWords(context, wrong, kUsage);
    // An answer given after the command counts as one given before it.
    std::optional<ConsoleDialogs> ownAnswer;
    if (request.answer)
        ownAnswer.emplace(context.out, context.err, *request.answer);
    Dialogs& dialogs = ownAnswer ? static_cast<Dialogs&>(*ownAnswer) : context.dialogs;
    return withBooks(dialogs, [&](TDataModuleARSystem& module) {
        return addPayment(module.database(), dialogs, request, context);
    });
}

// tallywick customers: the customer list from a terminal, and one field of one customer changed
// as the customer screen changes it, refused with the screen's message where it would refuse.
#include "cli/commandoptions.h"
#include "cli/commandrun.h"
#include "cli/commands.h"
#include "cli/consoledialogs.h"
#include "cli/listoutput.h"
#include "data/datamodule.h"
#include "engine/database.h"
#include "masterdata/customers/customerfields.h"
#include "masterdata/customers/customerlist.h"
#include "masterdata/customers/customerrecord.h"
#include "masterdata/customers/customersave.h"
#include "receivables/listing/listtexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{

const char* const kUsage =
    "Usage: tallywick customers list [--type C|F] [--format table|csv|json]\n"
    "       tallywick customers set NO FIELD VALUE";

struct ListRequest {
    CustomerFilter filter;
    QString format = QStringLiteral("table");
};

QString readList(const QStringList& args, ListRequest& r)
{
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& option = args[i];
        if (i + 1 >= args.size())
            return QStringLiteral("%1 needs a value.").arg(option);
        const QString value = args[++i];
        QString wrong;
        if (option == QLatin1String("--type")) {
            wrong = readWord(option, value, {QStringLiteral("C"), QStringLiteral("F")});
            r.filter.customerType = value;
        } else if (option == QLatin1String("--format")) {
            wrong =
                readWord(option, value,
                         {QStringLiteral("table"), QStringLiteral("csv"), QStringLiteral("json")});
            r.format = value;
        } else {
            wrong = QStringLiteral("Unknown option %1.").arg(option);
        }
        if (!wrong.isEmpty())
            return wrong;
    }
    return {};
}

const QStringList kFileColumns{QStringLiteral("CustomerNo"),   QStringLiteral("CustomerName"),
                               QStringLiteral("CustomerType"), QStringLiteral("Balance"),
                               QStringLiteral("CurrencyID"),   QStringLiteral("Suspended")};

QStringList fileValues(const CustomerRow& r)
{
    return {r.customerNo,
            r.customerName,
            r.customerType,
            r.balance.toPlainString(),
            r.currencyId ? QString::number(*r.currencyId) : QString(),
            yesNo(r.suspended)};
}

void writeJson(QTextStream& out, const QList<CustomerRow>& rows)
{
    QJsonArray customers;
    for (const CustomerRow& r : rows) {
        QJsonObject o = jsonObject(kFileColumns, fileValues(r));
        o.insert(QStringLiteral("CurrencyID"),
                 r.currencyId ? QJsonValue(*r.currencyId) : QJsonValue());
        o.insert(QStringLiteral("Suspended"), r.suspended);
        customers.append(o);
    }
    out << QJsonDocument(customers).toJson(QJsonDocument::Indented);
}

// The list screen's columns, padded; the balance right-aligned.
void writeTable(QTextStream& out, const QList<CustomerRow>& rows)
{
    QList<QStringList> cells{{QStringLiteral("Client ID"), QStringLiteral("Name"),
                              QStringLiteral("Contact"), QStringLiteral("Phone"),
                              QStringLiteral("Balance")}};
    for (const CustomerRow& r : rows)
        cells << QStringList{r.customerNo, r.customerName, r.contact, r.phone,
                             r.balance.toPlainString()};
    writeAlignedTable(out, cells, {4});
    out << rows.size() << " customer(s)" << '\n';
}

int list(Database& db, const ListRequest& r, CliContext& context)
{
    const QList<CustomerRow> rows = readCustomers(db, r.filter, CustomerOrder::Name);
    if (r.format == QLatin1String("csv")) {
        writeCsvLine(context.out, kFileColumns);
        for (const CustomerRow& row : rows)
            writeCsvLine(context.out, fileValues(row));
    } else if (r.format == QLatin1String("json")) {
        writeJson(context.out, rows);
    } else {
        writeTable(context.out, rows);
    }
    context.out.flush();
    return 0;
}

int refused(const CustomerRefusal& refusal, CliContext& context)
{
    context.err << QString(refusal.message).replace(QLatin1Char('\r'), QLatin1Char('\n'))
                << Qt::endl;
    return 1;
}

int set(Database& db, const QStringList& args, CliContext& context)
{
    const QString& customerNo = args[1];
    const CustomerField* field = editableCustomerField(args[2]);
    if (!field)
        return refuseWords(
            context, QStringLiteral("%1 is not a field the customer screen edits.").arg(args[2]),
            kUsage);
    QString wrong;
    const QVariant value = customerFieldValue(*field, args[3], &wrong);
    if (!wrong.isEmpty())
        return refuseWords(context, wrong + QLatin1Char('.'), kUsage);

    const std::optional<qint64> id = customerNamed(db, customerNo, context);
    if (!id)
        return 1;
    std::optional<CustomerRecord> record = loadCustomer(db, *id);
    if (!record) {
        context.err << "The customer is no longer there." << Qt::endl;
        return 1;
    }
    if (const CustomerCheck refusal = setCustomerField(db, *record, *field, value))
        return refused(*refusal, context);
    if (const CustomerCheck refusal = saveCustomer(db, *record))
        return refused(*refusal, context);
    context.out << "Customer " << customerNo << ": " << field->name << " set." << Qt::endl;
    return 0;
}

} // namespace

int runCustomersCommand(const QStringList& args, CliContext& context)
{
    const QString action = args.value(0);
    ListRequest listRequest;
    if (action == QLatin1String("list")) {
        if (const QString wrong = readList(args, listRequest); !wrong.isEmpty())
            return refuseWords(context, wrong, kUsage);
    } else if (action == QLatin1String("set")) {
        if (args.size() != 4)
            return refuseWords(
                context, QStringLiteral("Name the customer, the field and the value."), kUsage);
    } else {
        return refuseWords(context, QStringLiteral("Name what to do: list or set."), kUsage);
    }
    return withBooks(context.dialogs, [&](TDataModuleARSystem& module) {
        Database& db = module.database();
        return action == QLatin1String("list") ? list(db, listRequest, context)
                                               : set(db, args, context);
    });
}

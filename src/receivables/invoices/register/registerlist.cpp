#include "receivables/invoices/register/registerlist.h"

#include "engine/database.h"
#include "engine/statement.h"
#include "receivables/listing/optionalint.h"

namespace
{

const QString kColumns = QStringLiteral(
    "I.ARInvoiceID, I.CustomerID, I.InvoiceNo, I.InvoiceDate, I.Description, I.CustomerType, "
    "I.InvoiceAmount, I.PaidAmount, I.DiscTakenAmount, I.WriteOffAmount, I.Owing, I.Printed, "
    "I.Posted, I.GLPeriod, I.GLYear, C.CustomerNo, C.CustomerName, C.CurrencyID, C.Phone, "
    "C.EMail");

} // namespace

bool RegisterFilter::narrows() const
{
    return customerId || currencyId || !description.isEmpty() || posted != FlagChoice::All ||
           printed != FlagChoice::All;
}

std::optional<qint64> RegisterRow::age(const QDate& today) const
{
    if (!invoiceDate.isValid())
        return std::nullopt;
    return invoiceDate.daysTo(today);
}

QString RegisterRow::periodText() const
{
    return ::periodText(glPeriod, glYear);
}

QString containsPattern(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size() + 2);
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

RegisterQuery::RegisterQuery(const RegisterView& view)
    : ListQuery(QStringLiteral(" FROM ARInv I LEFT JOIN Customer C ON C.CustomerID = I.CustomerID"))
{
    const RegisterFilter& f = view.filter;
    if (f.customerId)
        addCondition(QStringLiteral("(I.CustomerID = :customer)"), QStringLiteral(":customer"),
                     *f.customerId);
    // Both sides lowered: SQLite's LIKE ignores case and PostgreSQL's does not.
    if (!f.description.isEmpty())
        addCondition(QStringLiteral("(lower(I.Description) LIKE :description ESCAPE '\\')"),
                     QStringLiteral(":description"), containsPattern(f.description.toLower()));
    if (const QString posted = flagCondition(QStringLiteral("I.Posted"), f.posted);
        !posted.isEmpty())
        addCondition(posted);
    if (const QString printed = flagCondition(QStringLiteral("I.Printed"), f.printed);
        !printed.isEmpty())
        addCondition(printed);
    if (view.outstanding)
        addCondition(QStringLiteral("(I.Owing <> 0)"));
    if (f.currencyId)
        addCondition(QStringLiteral("(C.CurrencyID = :currency)"), QStringLiteral(":currency"),
                     *f.currencyId);
    // The key last, so invoices that share a date and number keep one order on both engines.
    setOrder(view.order == RegisterOrder::InvoiceNo
                 ? QStringLiteral("I.InvoiceNo, I.ARInvoiceID")
                 : QStringLiteral("I.InvoiceDate DESC, I.InvoiceNo DESC, I.ARInvoiceID DESC"));
}

QList<RegisterRow> readRegister(Database& db, const RegisterView& view)
{
    const RegisterQuery query(view);
    Statement s = query.run(db, kColumns);
    QList<RegisterRow> rows;
    while (s.next()) {
        RegisterRow r;
        r.invoiceId = s.integer(QStringLiteral("ARInvoiceID"));
        r.customerId = s.optionalInteger(QStringLiteral("CustomerID"));
        r.invoiceNo = s.text(QStringLiteral("InvoiceNo"));
        r.invoiceDate = s.date(QStringLiteral("InvoiceDate"));
        r.description = s.text(QStringLiteral("Description"));
        r.customerType = s.text(QStringLiteral("CustomerType"));
        r.invoiceAmount = s.money(QStringLiteral("InvoiceAmount"));
        r.paidAmount = s.money(QStringLiteral("PaidAmount"));
        r.discTakenAmount = s.money(QStringLiteral("DiscTakenAmount"));
        r.writeOffAmount = s.money(QStringLiteral("WriteOffAmount"));
        r.owing = s.money(QStringLiteral("Owing"));
        r.printed = s.boolean(QStringLiteral("Printed"));
        r.posted = s.boolean(QStringLiteral("Posted"));
        r.glPeriod = optionalInt(s, QStringLiteral("GLPeriod"));
        r.glYear = optionalInt(s, QStringLiteral("GLYear"));
        r.customerNo = s.text(QStringLiteral("CustomerNo"));
        r.customerName = s.text(QStringLiteral("CustomerName"));
        r.currencyId = s.optionalInteger(QStringLiteral("CurrencyID"));
        r.phone = s.text(QStringLiteral("Phone"));
        r.email = s.text(QStringLiteral("EMail"));
        rows << r;
    }
    return rows;
}

#include "receivables/payments/register/paymentlist.h"

#include "engine/database.h"
#include "engine/statement.h"
#include "receivables/listing/optionalint.h"

namespace
{

const QString kColumns = QStringLiteral(
    "P.PaymentID, P.CustomerID, P.ChequeNo, P.PaymentDate, P.ChequeAmount, P.GLPeriod, "
    "P.GLYear, P.Posted, P.Reconciled, C.CustomerNo, C.CustomerName, C.CurrencyID, C.Phone, "
    "C.EMail");

PaymentRow rowFrom(const Statement& s)
{
    PaymentRow r;
    r.paymentId = s.integer(QStringLiteral("PaymentID"));
    r.customerId = s.optionalInteger(QStringLiteral("CustomerID"));
    r.chequeNo = s.text(QStringLiteral("ChequeNo"));
    r.paymentDate = s.date(QStringLiteral("PaymentDate"));
    r.chequeAmount = s.money(QStringLiteral("ChequeAmount"));
    r.glPeriod = optionalInt(s, QStringLiteral("GLPeriod"));
    r.glYear = optionalInt(s, QStringLiteral("GLYear"));
    r.posted = s.boolean(QStringLiteral("Posted"));
    r.reconciled = s.boolean(QStringLiteral("Reconciled"));
    r.customerNo = s.text(QStringLiteral("CustomerNo"));
    r.customerName = s.text(QStringLiteral("CustomerName"));
    r.currencyId = s.optionalInteger(QStringLiteral("CurrencyID"));
    r.phone = s.text(QStringLiteral("Phone"));
    r.email = s.text(QStringLiteral("EMail"));
    return r;
}

} // namespace

bool PaymentFilter::narrows() const
{
    return customerId || currencyId || paymentDate.isValid() || posted != FlagChoice::All;
}

PaymentQuery::PaymentQuery(const PaymentView& view)
    : ListQuery(QStringLiteral(" FROM ARPmt P LEFT JOIN Customer C ON C.CustomerID = P.CustomerID"))
{
    const PaymentFilter& f = view.filter;
    if (f.customerId)
        addCondition(QStringLiteral("(P.CustomerID = :customer)"), QStringLiteral(":customer"),
                     *f.customerId);
    if (f.paymentDate.isValid())
        addCondition(QStringLiteral("(P.PaymentDate = :paymentDate)"),
                     QStringLiteral(":paymentDate"), f.paymentDate);
    if (const QString posted = flagCondition(QStringLiteral("P.Posted"), f.posted);
        !posted.isEmpty())
        addCondition(posted);
    // A payment never marked either way is not reconciled.
    if (view.outstanding)
        addCondition(QStringLiteral("(COALESCE(P.Reconciled, false) <> true)"));
    if (f.currencyId)
        addCondition(QStringLiteral("(C.CurrencyID = :currency)"), QStringLiteral(":currency"),
                     *f.currencyId);
    // The key last, so cheques that share a date and number keep one order on both engines.
    setOrder(view.order == PaymentOrder::ChequeNo
                 ? QStringLiteral("P.ChequeNo, P.PaymentID")
                 : QStringLiteral("P.PaymentDate DESC, P.ChequeNo DESC, P.PaymentID DESC"));
}

QList<PaymentRow> readPayments(Database& db, const PaymentView& view)
{
    const PaymentQuery query(view);
    Statement s = query.run(db, kColumns);
    QList<PaymentRow> rows;
    while (s.next())
        rows << rowFrom(s);
    return rows;
}

std::optional<PaymentRow> readPayment(Database& db, qint64 paymentId)
{
    PaymentQuery query({});
    query.addCondition(QStringLiteral("(P.PaymentID = :id)"), QStringLiteral(":id"), paymentId);
    Statement s = query.run(db, kColumns);
    if (!s.next())
        return std::nullopt;
    return rowFrom(s);
}

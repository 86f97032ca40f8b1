#include "receivables/invoices/invoicepayments.h"

#include "engine/database.h"
#include "engine/statement.h"

std::vector<InvoicePayment> paymentsOnInvoice(Database& db, qint64 arInvoiceId)
{
    Statement s = db.prepare(
        QStringLiteral("SELECT P.ChequeNo, P.PaymentDate, IP.PaymentAmount, P.ChequeAmount "
                       "FROM ARInvPmt IP LEFT OUTER JOIN ARPmt P ON P.PaymentID = IP.PaymentID "
                       "WHERE IP.ARInvoiceID = :id ORDER BY P.PaymentDate, IP.PaymentID, IP.Seq"));
    s.bind(QStringLiteral(":id"), arInvoiceId).exec();
    std::vector<InvoicePayment> payments;
    while (s.next()) {
        payments.push_back(
            {s.text(QStringLiteral("ChequeNo")), s.date(QStringLiteral("PaymentDate")),
             s.money(QStringLiteral("PaymentAmount")), s.money(QStringLiteral("ChequeAmount"))});
    }
    return payments;
}

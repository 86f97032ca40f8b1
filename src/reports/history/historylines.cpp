#include "reports/history/historylines.h"

#include "engine/database.h"
#include "engine/dialect.h"
#include "engine/statement.h"

namespace reports
{

namespace
{

// The conditions of one half of the query; `doc` is the document table's alias, `suffix` keeps
// the two halves' placeholders apart.
QString conditions(const HistorySelection& selection, const QString& doc, const QString& suffix)
{
    QString where = QStringLiteral("WHERE (%1.GLYear = :year%2) AND (%1.GLPeriod = :period%2)")
                        .arg(doc, suffix);
    if (selection.currencyId)
        where += QStringLiteral(" AND (C.CurrencyID = :currency%1)").arg(suffix);
    if (selection.customerId)
        where += QStringLiteral(" AND (%1.CustomerID = :customer%2)").arg(doc, suffix);
    return where;
}

void bindHalf(Statement& q, const HistorySelection& selection, const QString& suffix)
{
    q.bind(QStringLiteral(":year") + suffix, selection.year);
    q.bind(QStringLiteral(":period") + suffix, selection.period);
    if (selection.currencyId)
        q.bind(QStringLiteral(":currency") + suffix, *selection.currencyId);
    if (selection.customerId)
        q.bind(QStringLiteral(":customer") + suffix, *selection.customerId);
}

} // namespace

std::vector<HistoryLine> historyLines(Database& db, const HistorySelection& selection)
{
    const Dialect& d = db.dialect();
    // UNION ALL: a plain UNION would fold two payments of one customer with the same cheque
    // number, date and amount into one line and leave one out of the totals.
    const QString sql =
        QStringLiteral(
            "SELECT * FROM ("
            "SELECT 'I' AS RecordType, I.InvoiceNo AS InvoiceNo, ' ' AS ChequeNo,"
            " I.InvoiceDate AS InvPmtDate, I.InvoiceAmount AS Amount, C.CustomerNo AS CustomerNo,"
            " C.CustomerName AS CustomerName, C.Contact AS Contact"
            " FROM ARInv I LEFT OUTER JOIN Customer C ON I.CustomerID = C.CustomerID %1"
            " UNION ALL "
            "SELECT 'P', ' ', P.ChequeNo, P.PaymentDate, P.ChequeAmount, C.CustomerNo,"
            " C.CustomerName, C.Contact"
            " FROM ARPmt P LEFT OUTER JOIN Customer C ON P.CustomerID = C.CustomerID %2"
            ") H ORDER BY %3, %4, RecordType, %5, %6")
            .arg(conditions(selection, QStringLiteral("I"), QStringLiteral("I")),
                 conditions(selection, QStringLiteral("P"), QStringLiteral("P")),
                 // The number after the name, so two customers of one name never interleave.
                 d.nocaseOrder(QStringLiteral("CustomerName")),
                 d.nocaseOrder(QStringLiteral("CustomerNo")),
                 d.nocaseOrder(QStringLiteral("InvoiceNo")),
                 d.nocaseOrder(QStringLiteral("ChequeNo")));

    Statement q = db.prepare(sql);
    bindHalf(q, selection, QStringLiteral("I"));
    bindHalf(q, selection, QStringLiteral("P"));
    q.exec();

    std::vector<HistoryLine> lines;
    while (q.next()) {
        HistoryLine line;
        const bool invoice = q.text(QStringLiteral("RecordType")) == QLatin1String("I");
        line.kind = invoice ? HistoryLine::Kind::Invoice : HistoryLine::Kind::Payment;
        line.number = q.text(invoice ? QStringLiteral("InvoiceNo") : QStringLiteral("ChequeNo"));
        line.date = q.date(QStringLiteral("InvPmtDate"));
        line.amount = q.money(QStringLiteral("Amount"));
        line.customerNo = q.text(QStringLiteral("CustomerNo"));
        line.customerName = q.text(QStringLiteral("CustomerName"));
        line.contact = q.text(QStringLiteral("Contact"));
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace reports

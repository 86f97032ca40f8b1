#pragma once
// A small AR database for the report tests: the tables, and customers and invoices written
// through the table declarations.

#include "data/artables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"

#include <QDate>
#include <QString>
#include <QVariant>

namespace arworld
{

// A field name or text as the tests write it.
inline QString str(const char* text)
{
    return QString::fromUtf8(text);
}

inline void createTables(Database& db)
{
    for (const TableDef& table : ar::allTables())
        db.exec(db.dialect().createTableSql(table));
}

// A currency; a rate above zero converts its amounts into domestic ones.
inline void addCurrency(Database& db, int id, const QString& name, double exchangeRate = 0)
{
    records::insert(db, ar::currency(),
                    {{str("CurrencyID"), id},
                     {str("CurrencyName"), name},
                     {str("ExchangeRate"), exchangeRate}});
}

inline void addCustomer(Database& db, int id, const QString& no, const QString& name,
                        const QString& type, const QVariantMap& more = {})
{
    QVariantMap values = {{QStringLiteral("CustomerID"), id},
                          {QStringLiteral("CustomerNo"), no},
                          {QStringLiteral("CustomerName"), name},
                          {QStringLiteral("CustomerType"), type}};
    values.insert(more);
    records::insert(db, ar::customer(), values);
}

inline void addBalance(Database& db, int customerId, qint64 tenThousandths)
{
    records::insert(
        db, ar::cBalance(),
        {{QStringLiteral("CustomerID"), customerId}, {QStringLiteral("Balance"), tenThousandths}});
}

inline void addInvoice(Database& db, int id, int customerId, const QString& invoiceNo,
                       const QVariantMap& more = {})
{
    QVariantMap values = {{QStringLiteral("ARInvoiceID"), id},
                          {QStringLiteral("CustomerID"), customerId},
                          {QStringLiteral("InvoiceNo"), invoiceNo},
                          {QStringLiteral("InvoiceDate"), QDate(2024, 1, 31)},
                          {QStringLiteral("Printed"), false},
                          {QStringLiteral("Posted"), false}};
    values.insert(more);
    records::insert(db, ar::arInv(), values);
}

} // namespace arworld

#include "masterdata/customers/customerlist.h"

#include "engine/database.h"

#include <QStringList>

bool CustomerFilter::isOn() const
{
    return salesmanId || customerTypeId || currencyId || suspended || !customerType.isEmpty();
}

QString customerFilterExpression(const CustomerFilter& filter)
{
    QStringList parts;
    if (filter.salesmanId)
        parts << QStringLiteral("(SalesmanID = %1)").arg(*filter.salesmanId);
    if (filter.customerTypeId)
        parts << QStringLiteral("(CustomerTypeID = %1)").arg(*filter.customerTypeId);
    if (filter.currencyId)
        parts << QStringLiteral("(CurrencyID = %1)").arg(*filter.currencyId);
    if (filter.suspended)
        parts << (*filter.suspended ? QStringLiteral("(Suspended = true)")
                                    : QStringLiteral("(Suspended = false)"));
    return parts.join(QStringLiteral(" AND "));
}

QList<CustomerRow> readCustomers(Database& db, const CustomerFilter& filter, CustomerOrder order)
{
    QStringList where;
    if (const QString expression = customerFilterExpression(filter); !expression.isEmpty())
        where << expression;
    if (!filter.customerType.isEmpty())
        where << QStringLiteral("(CustomerType = :type)");
    QString sql = QStringLiteral(
        "SELECT c.CustomerID, c.CustomerNo, c.CustomerName, c.Contact, c.Phone, c.CustomerType, "
        "b.Balance, c.CurrencyID, c.Suspended, c.Notes FROM Customer c "
        "LEFT JOIN CBalance b ON b.CustomerID = c.CustomerID");
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    sql += order == CustomerOrder::Name
               ? QStringLiteral(" ORDER BY %1, c.CustomerID")
                     .arg(db.dialect().nocaseOrder(QStringLiteral("c.CustomerName")))
               : QStringLiteral(" ORDER BY c.CustomerNo, c.CustomerID");
    Statement s = db.query(sql);
    if (!filter.customerType.isEmpty())
        s.bind(QStringLiteral(":type"), filter.customerType);
    s.exec();
    QList<CustomerRow> rows;
    while (s.next()) {
        CustomerRow r;
        r.customerId = s.integer(0);
        r.customerNo = s.text(1);
        r.customerName = s.text(2);
        r.contact = s.text(3);
        r.phone = s.text(4);
        r.customerType = s.text(5);
        r.balance = s.isNull(6) ? Money{} : Money::fromRaw(s.integer(6));
        if (!s.isNull(7))
            r.currencyId = s.integer(7);
        r.suspended = !s.isNull(8) && s.boolean(8);
        r.notes = s.text(9);
        rows << r;
    }
    return rows;
}

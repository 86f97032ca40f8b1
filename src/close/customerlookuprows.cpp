#include "close/customerlookuprows.h"

#include "engine/database.h"

QList<CustomerLookupRow> customerLookupRows(Database& db)
{
    QList<CustomerLookupRow> rows;
    Statement s = db.query(QStringLiteral(
        "SELECT CustomerID, CustomerNo, CustomerName, ShipToName FROM Customer ORDER BY "
        "COALESCE(CustomerName, ''), CustomerID"));
    s.exec();
    while (s.next())
        rows << CustomerLookupRow{s.integer(0), s.text(1).trimmed(), s.text(2).trimmed(),
                                  s.text(3).trimmed()};
    return rows;
}

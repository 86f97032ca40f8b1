#include "sync/customerqueries.h"

#include "data/artables.h"
#include "engine/dialect.h"
#include "sync/sqlpieces.h"

using syncsql::fitted;
using syncsql::isBlank;

namespace customersql
{

namespace
{

// "Field = value" for the customer's text fields, each value fitted to its field.
QString assignments(const QList<QPair<QString, QString>>& fieldValues)
{
    static const TableDef customer = ar::customer();
    QStringList parts;
    for (const auto& [field, value] : fieldValues)
        parts << field + QStringLiteral(" = ") + fitted(customer, field, value);
    return parts.join(QStringLiteral(", "));
}

// True when some field would store another value than it holds: a row that would not change is
// not written again (a server keeps a new copy of each row an UPDATE touches).
QString anyChanged(const Dialect& d, const QList<QPair<QString, QString>>& fieldValues)
{
    static const TableDef customer = ar::customer();
    QStringList same;
    for (const auto& [field, value] : fieldValues)
        same << d.sameValue(QStringLiteral("Customer.") + field, fitted(customer, field, value));
    return QStringLiteral("NOT (") + same.join(QStringLiteral(" AND ")) + QLatin1Char(')');
}

// The customer numbers that begin with a digit.
QString beginsWithDigit(const QString& number = QStringLiteral("CustomerNo"))
{
    QStringList digits;
    for (const char* d : {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"})
        digits << QStringLiteral("%1 LIKE '%2%'").arg(number, QLatin1String(d));
    return QLatin1Char('(') + digits.join(QStringLiteral(" OR ")) + QLatin1Char(')');
}

// The host clients that carry a number; a client without one is not billed.
const char* const kNumberedClientsWithoutCustomer =
    " FROM Clients LEFT OUTER JOIN Customer ON Clients.Client_ID = Customer.CustomerNo"
    " WHERE Clients.Client_ID IS NOT NULL AND Clients.Client_ID <> ''"
    " AND Customer.CustomerNo IS NULL";

} // namespace

QString lastCustomerIdUsed()
{
    return QStringLiteral("SELECT MAX(CustomerID) AS LastCustomerIDUsed FROM Customer");
}

QString updateCustomersFromClients(const Dialect& d)
{
    const QString lastFirst = d.concat({QStringLiteral("Clients.Last_Name"), QStringLiteral("', '"),
                                        QStringLiteral("Clients.First_Name")});
    const QString firstLast = d.concat({QStringLiteral("Clients.First_Name"), QStringLiteral("' '"),
                                        QStringLiteral("Clients.Last_Name")});
    const QList<QPair<QString, QString>> refreshed{
        {QStringLiteral("CustomerName"), lastFirst},
        {QStringLiteral("AddressLine1"), QStringLiteral("Clients.Address1")},
        {QStringLiteral("AddressLine2"), QStringLiteral("Clients.Address2")},
        {QStringLiteral("City"), QStringLiteral("Clients.City")},
        {QStringLiteral("StateProv"), QStringLiteral("Clients.State")},
        {QStringLiteral("ZipCode"), QStringLiteral("Clients.ZIP")},
        {QStringLiteral("Contact"), firstLast},
        {QStringLiteral("Phone"), QStringLiteral("Clients.Phone")},
        {QStringLiteral("EMail"), QStringLiteral("Clients.EMail")},
        {QStringLiteral("ShipToName"), firstLast},
        {QStringLiteral("ShipToAddressLine1"), QStringLiteral("Clients.Address1")},
        {QStringLiteral("ShipToAddressLine2"), QStringLiteral("Clients.Address2")},
        {QStringLiteral("ShipToCity"), QStringLiteral("Clients.City")},
        {QStringLiteral("ShipToStateProv"), QStringLiteral("Clients.State")},
        {QStringLiteral("ShipToZipCode"), QStringLiteral("Clients.ZIP")}};
    return QStringLiteral("UPDATE Customer SET ") + assignments(refreshed) +
           QStringLiteral(", CustomerType = 'C' FROM Clients"
                          " WHERE Customer.CustomerNo = Clients.Client_ID AND (") +
           anyChanged(d, refreshed) +
           QStringLiteral(" OR NOT COALESCE(Customer.CustomerType, '') = 'C')");
}

QString updateBillToFromIndividuals(const Dialect& d)
{
    // A client with several Bill-To contacts is addressed to the one recorded first (the lowest
    // individual number), so that both engines pick the same one.
    const QString contacts = QStringLiteral(
        "(SELECT Clients.Client_ID, Individuals.First_Name, Individuals.Last_Name,"
        " Individuals.Organization, Individuals.Address1, Individuals.Address2, Individuals.City,"
        " Individuals.State, Individuals.ZIP, Individuals.Phone1, Individuals.Phone2,"
        " Individuals.Email, ROW_NUMBER() OVER (PARTITION BY Clients.Client_ID"
        " ORDER BY Individuals.Indiv_ID) AS Pick"
        " FROM Clients JOIN Relationships ON Clients.Person_ID = Relationships.Person_ID"
        " JOIN Individuals ON Relationships.Indiv_ID = Individuals.Indiv_ID"
        " WHERE Relationships.Relationship = 'Bill-To') BillTo");
    // The contact's name; without one, the last name, "% " and the organization, or "In Care Of".
    const QString contact =
        QStringLiteral("CASE WHEN %1 THEN (CASE WHEN %2 THEN (CASE WHEN %3 THEN 'In Care Of'"
                       " ELSE %4 END) ELSE BillTo.Last_Name END) ELSE %5 END")
            .arg(isBlank(QStringLiteral("BillTo.First_Name")),
                 isBlank(QStringLiteral("BillTo.Last_Name")),
                 isBlank(QStringLiteral("BillTo.Organization")),
                 d.concat({QStringLiteral("'% '"), QStringLiteral("BillTo.Organization")}),
                 d.concat({QStringLiteral("BillTo.First_Name"), QStringLiteral("' '"),
                           QStringLiteral("BillTo.Last_Name")}));
    const QString noOrganization = isBlank(QStringLiteral("BillTo.Organization"));
    const QString line1 = QStringLiteral("CASE WHEN %1 THEN BillTo.Address1"
                                         " ELSE BillTo.Organization END")
                              .arg(noOrganization);
    const QString line2 =
        QStringLiteral("CASE WHEN %1 THEN BillTo.Address2 ELSE %2 END")
            .arg(noOrganization, d.concat({QStringLiteral("BillTo.Address1"), QStringLiteral("' '"),
                                           QStringLiteral("BillTo.Address2")}));
    return QStringLiteral("UPDATE Customer SET ") +
           assignments({{QStringLiteral("Contact"), contact},
                        {QStringLiteral("AddressLine1"), line1},
                        {QStringLiteral("AddressLine2"), line2},
                        {QStringLiteral("City"), QStringLiteral("BillTo.City")},
                        {QStringLiteral("StateProv"), QStringLiteral("BillTo.State")},
                        {QStringLiteral("ZipCode"), QStringLiteral("BillTo.ZIP")},
                        {QStringLiteral("Phone"), QStringLiteral("BillTo.Phone1")},
                        {QStringLiteral("Fax"), QStringLiteral("BillTo.Phone2")},
                        {QStringLiteral("EMail"), QStringLiteral("BillTo.Email")}}) +
           QStringLiteral(" FROM ") + contacts +
           QStringLiteral(" WHERE Customer.CustomerNo = BillTo.Client_ID AND BillTo.Pick = 1");
}

QStringList updateBlankCustomerType()
{
    const QString typeless = isBlank(QStringLiteral("TRIM(CustomerType)"));
    // "and" binds tighter than "or": the second statement makes every customer whose number
    // begins with a digit a client, whatever its type, and a typeless "PRI" too. Customers that
    // are clients already are left alone: the same result, without writing every client again
    // at each run (a server keeps a new copy of each row an UPDATE touches).
    return {
        QStringLiteral("UPDATE Customer SET CustomerType = 'F' WHERE (%1)"
                       " AND (NOT COALESCE(CustomerNo, '') = 'PRI') AND NOT %2")
            .arg(typeless, beginsWithDigit(QStringLiteral("COALESCE(CustomerNo, '')"))),
        QStringLiteral("UPDATE Customer SET CustomerType = 'C' WHERE ((%1)"
                       " AND (CustomerNo = 'PRI') OR %2) AND NOT COALESCE(CustomerType, '') = 'C'")
            .arg(typeless, beginsWithDigit())};
}

QString clientsNotCustomers()
{
    return QStringLiteral("SELECT Clients.Person_ID, Clients.Client_ID, Clients.Last_Name,"
                          " Clients.First_Name, Clients.Address1, Clients.Address2, Clients.City,"
                          " Clients.State, Clients.ZIP, Clients.Phone, Clients.EMail") +
           QLatin1String(kNumberedClientsWithoutCustomer) +
           QStringLiteral(" ORDER BY Clients.Person_ID, Clients.Client_ID");
}

QString billingContactsOfNewClients()
{
    return QStringLiteral("SELECT Relationships.Person_ID, Individuals.First_Name,"
                          " Individuals.Last_Name, Individuals.Organization, Individuals.Address1,"
                          " Individuals.Address2, Individuals.City, Individuals.State,"
                          " Individuals.ZIP, Individuals.Phone1, Individuals.Phone2,"
                          " Individuals.Email FROM Relationships JOIN Individuals"
                          " ON Relationships.Indiv_ID = Individuals.Indiv_ID"
                          " WHERE Relationships.Relationship = 'Bill-To'"
                          " AND Relationships.Person_ID IN (SELECT Clients.Person_ID") +
           QLatin1String(kNumberedClientsWithoutCustomer) +
           QStringLiteral(") ORDER BY Relationships.Person_ID, Individuals.Indiv_ID");
}

QStringList updateCustomersFromFunders()
{
    return {QStringLiteral("UPDATE Customer SET ") +
                assignments({{QStringLiteral("CustomerName"), QStringLiteral("FundSrcs.Fund_Srce")},
                             {QStringLiteral("AddressLine1"), QStringLiteral("FundSrcs.Address1")},
                             {QStringLiteral("AddressLine2"), QStringLiteral("FundSrcs.Address2")},
                             {QStringLiteral("City"), QStringLiteral("FundSrcs.City")},
                             {QStringLiteral("StateProv"), QStringLiteral("FundSrcs.State")},
                             {QStringLiteral("ZipCode"), QStringLiteral("FundSrcs.ZIP")},
                             {QStringLiteral("Contact"), QStringLiteral("FundSrcs.Contact")},
                             {QStringLiteral("Phone"), QStringLiteral("FundSrcs.Phone")},
                             {QStringLiteral("Fax"), QStringLiteral("FundSrcs.Fax")},
                             {QStringLiteral("EMail"), QStringLiteral("FundSrcs.EMail")}}) +
                QStringLiteral(", CustomerType = 'F' FROM FundSrcs"
                               " WHERE Customer.CustomerNo = FundSrcs.Fund_CD"),
            QStringLiteral("UPDATE Customer SET Contact = CustomerName WHERE %1 AND NOT %2")
                .arg(isBlank(QStringLiteral("Contact")), isBlank(QStringLiteral("CustomerName")))};
}

QString fundersNotCustomers()
{
    // A funding source without a code is known once a customer without a number exists;
    // otherwise it would be added again at every run.
    return QStringLiteral(
        "SELECT FundSrcs.Fund_ID, FundSrcs.Fund_CD, FundSrcs.Fund_Srce, FundSrcs.Contact,"
        " FundSrcs.Address1, FundSrcs.Address2, FundSrcs.City, FundSrcs.State, FundSrcs.ZIP,"
        " FundSrcs.Phone, FundSrcs.Fax, FundSrcs.EMail FROM FundSrcs"
        " WHERE NOT EXISTS (SELECT 1 FROM Customer WHERE Customer.CustomerNo = FundSrcs.Fund_CD)"
        " AND NOT (COALESCE(FundSrcs.Fund_CD, '') = '' AND EXISTS (SELECT 1 FROM Customer"
        " WHERE COALESCE(Customer.CustomerNo, '') = ''))"
        " ORDER BY FundSrcs.Fund_ID, FundSrcs.Fund_CD");
}

QStringList updateClientType()
{
    return {QStringLiteral("UPDATE Customer SET CustomerType = 'C' WHERE CustomerNo LIKE '%.%'"),
            QStringLiteral("UPDATE Customer SET CustomerType = 'F' WHERE ") +
                isBlank(QStringLiteral("CustomerNo"))};
}

QString defaultNetDays()
{
    return QStringLiteral("SELECT DefaultNetDays FROM Company ORDER BY CompanyNo LIMIT 1");
}

} // namespace customersql

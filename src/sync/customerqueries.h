#pragma once
// The statements of customer synchronization, written once for both engines. The refresh
// statements join text with missing parts counted as empty, cut it to the customer's field sizes
// and store empty text as NULL, as the inserts do.

#include <QString>
#include <QStringList>

class Dialect;

namespace customersql
{
// The highest customer key in use (NULL when there are no customers).
QString lastCustomerIdUsed();
// Known clients take their host record's name, addresses, contact, phone and e-mail.
QString updateCustomersFromClients(const Dialect& dialect);
// Known clients with a "Bill-To" contact take the contact's address, phone and e-mail.
QString updateBillToFromIndividuals(const Dialect& dialect);
// Customers without a type: "F" unless the number begins with a digit or is "PRI", then "C" for
// a typeless "PRI" and for every number that begins with a digit.
QStringList updateBlankCustomerType();
// The host clients that have a number and no customer, and the Bill-To contacts of those clients.
QString clientsNotCustomers();
QString billingContactsOfNewClients();
// Known funders take their host record; then every customer without a contact takes its name.
QStringList updateCustomersFromFunders();
// The host funding sources that have no customer.
QString fundersNotCustomers();
// A number with a point is a client's; a customer without a number is a funder.
QStringList updateClientType();
// The current organization's payment terms for new customers.
QString defaultNetDays();
} // namespace customersql

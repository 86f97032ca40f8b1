#include "sync/customermapping.h"

#include <QStringList>

NewCustomer clientCustomer(const HostClient& client, const QList<BillingContact>& billTo,
                           qint64 customerId, const QVariant& netDays)
{
    NewCustomer c;
    c.customerId = customerId;
    c.customerNo = client.clientId;
    c.customerName = client.lastName + QStringLiteral(", ") + client.firstName;
    c.shipToName = c.customerName;
    c.shipToAddressLine1 = client.address1;
    c.shipToAddressLine2 = client.address2;
    c.shipToCity = client.city;
    c.shipToStateProv = client.state;
    c.shipToZipCode = client.zip;
    c.netDays = netDays;
    c.customerType = QStringLiteral("C");

    if (billTo.size() == 1) {
        const BillingContact& b = billTo.first();
        if (!b.organization.isEmpty()) {
            c.addressLine1 = b.organization;
            c.addressLine2 =
                b.address2.isEmpty() ? b.address1 : b.address1 + QLatin1Char(' ') + b.address2;
        } else {
            c.addressLine1 = b.address1;
            c.addressLine2 = b.address2;
        }
        c.city = b.city;
        c.stateProv = b.state;
        c.zipCode = b.zip;
        c.contact = b.firstName + QStringLiteral(", ") + b.lastName;
        c.phone = b.phone1;
        c.fax = b.phone2;
        c.email = b.email;
    } else {
        c.addressLine1 = client.address1;
        c.addressLine2 = client.address2;
        c.city = client.city;
        c.stateProv = client.state;
        c.zipCode = client.zip;
        c.contact = client.firstName + QLatin1Char(' ') + client.lastName;
        c.phone = client.phone;
        c.email = client.email;
    }
    return c;
}

NewCustomer funderCustomer(const HostFunder& funder, qint64 customerId, const QVariant& netDays)
{
    NewCustomer c;
    c.customerId = customerId;
    c.customerNo = funder.fundCode;
    c.customerName = funder.name;
    c.addressLine1 = funder.address1;
    c.addressLine2 = funder.address2;
    c.city = funder.city;
    c.stateProv = funder.state;
    c.zipCode = funder.zip;
    c.contact = funder.contact.isEmpty() ? funder.name : funder.contact;
    c.phone = funder.phone;
    c.fax = funder.fax;
    c.email = funder.email;
    c.netDays = netDays;
    c.customerType = QStringLiteral("F");
    return c;
}

QStringList customerInsertFields()
{
    return {QStringLiteral("CustomerID"),
            QStringLiteral("CustomerNo"),
            QStringLiteral("CustomerName"),
            QStringLiteral("AddressLine1"),
            QStringLiteral("AddressLine2"),
            QStringLiteral("City"),
            QStringLiteral("StateProv"),
            QStringLiteral("ZipCode"),
            QStringLiteral("Country"),
            QStringLiteral("Contact"),
            QStringLiteral("Phone"),
            QStringLiteral("Fax"),
            QStringLiteral("EMail"),
            QStringLiteral("NetDays"),
            QStringLiteral("ShipToName"),
            QStringLiteral("ShipToAddressLine1"),
            QStringLiteral("ShipToAddressLine2"),
            QStringLiteral("ShipToCity"),
            QStringLiteral("ShipToStateProv"),
            QStringLiteral("ShipToZipCode"),
            QStringLiteral("ShipToCountry"),
            QStringLiteral("CustomerType"),
            QStringLiteral("CurrencyID"),
            QStringLiteral("COD"),
            QStringLiteral("Suspended"),
            QStringLiteral("PrintStatement"),
            QStringLiteral("AllowBackorders")};
}

QVariantList customerInsertValues(const NewCustomer& c)
{
    return {c.customerId,
            c.customerNo,
            c.customerName,
            c.addressLine1,
            c.addressLine2,
            c.city,
            c.stateProv,
            c.zipCode,
            c.country,
            c.contact,
            c.phone,
            c.fax,
            c.email,
            c.netDays,
            c.shipToName,
            c.shipToAddressLine1,
            c.shipToAddressLine2,
            c.shipToCity,
            c.shipToStateProv,
            c.shipToZipCode,
            c.shipToCountry,
            c.customerType,
            1,
            false,
            false,
            true,
            true};
}

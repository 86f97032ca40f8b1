#pragma once
// Who a new AR customer is, from the host's record: a client (addressed to his single Bill-To
// contact when he has exactly one) or a funding source.

#include <QList>
#include <QString>
#include <QVariant>
#include <optional>

// A host client that has no customer yet.
struct HostClient {
    std::optional<qint64> personId;
    QString clientId;
    QString lastName;
    QString firstName;
    QString address1;
    QString address2;
    QString city;
    QString state;
    QString zip;
    QString phone;
    QString email;
};

// An individual linked to a client as his "Bill-To".
struct BillingContact {
    QString firstName;
    QString lastName;
    QString organization;
    QString address1;
    QString address2;
    QString city;
    QString state;
    QString zip;
    QString phone1;
    QString phone2;
    QString email;
};

// A host funding source that has no customer yet.
struct HostFunder {
    QString fundCode;
    QString name;
    QString contact;
    QString address1;
    QString address2;
    QString city;
    QString state;
    QString zip;
    QString phone;
    QString fax;
    QString email;
};

// The fields of a new customer that differ from one customer to the next. Every new customer
// also gets currency 1, no cash on delivery, not suspended, statements printed and back orders
// allowed.
struct NewCustomer {
    qint64 customerId = 0;
    QString customerNo;
    QString customerName;
    QString addressLine1;
    QString addressLine2;
    QString city;
    QString stateProv;
    QString zipCode;
    QString country;
    QString contact;
    QString phone;
    QString fax;
    QString email;
    QVariant netDays; // the organization's default terms, NULL when it has none
    QString shipToName;
    QString shipToAddressLine1;
    QString shipToAddressLine2;
    QString shipToCity;
    QString shipToStateProv;
    QString shipToZipCode;
    QString shipToCountry;
    QString customerType;
};

// A client's customer. With exactly one Bill-To contact the bills go to the contact (to the
// organization, care of its address, when it names one); with none or several, to the client.
// The goods always go to the client.
NewCustomer clientCustomer(const HostClient& client, const QList<BillingContact>& billTo,
                           qint64 customerId, const QVariant& netDays);
NewCustomer funderCustomer(const HostFunder& funder, qint64 customerId, const QVariant& netDays);

// The insert's fields, in order, and a customer's values for them.
QStringList customerInsertFields();
QVariantList customerInsertValues(const NewCustomer& customer);

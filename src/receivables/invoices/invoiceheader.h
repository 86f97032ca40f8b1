#pragma once
// The header of an invoice (ARInv) as the invoice document holds it. Empty fields are empty
// optionals or empty text; money fields read an empty value as 0.

#include "common/money.h"
#include "receivables/invoices/taxbuckets.h"

#include <QDate>
#include <QString>
#include <optional>

struct InvoiceHeader {
    qint64 invoiceId = 0;
    QString invoiceNo;
    std::optional<qint64> customerId;
    QString recipId;      // CustomerNo of the customer the meals were delivered to (Recip_ID)
    QString customerType; // "C" client, "F" funder
    std::optional<qint64> warehouseId;
    QString description;
    QDate invoiceDate; // invalid while empty
    Money invoiceAmount;
    Money paidAmount;
    Money discTakenAmount;
    Money writeOffAmount;
    Money owing;
    std::optional<double> discPC;
    std::optional<int> discDays;
    std::optional<int> netDays;
    std::optional<bool> cod;
    QString purchaseOrderNo;
    std::optional<int> glPeriod;
    std::optional<int> glYear;
    bool printed = false;
    bool posted = false;
    std::optional<qint64> tax1Id;
    std::optional<qint64> tax2Id;
    QString tax1Code;
    QString tax2Code;
    std::optional<double> tax1Rate;
    std::optional<double> tax2Rate;
    TaxBuckets buckets;                 // TaxableAmount1..3 with TaxableAmtCode1..3
    std::optional<double> exchangeRate; // kept as stored

    // InvoiceAmount − PaidAmount − DiscTakenAmount − WriteOffAmount.
    Money owingFromAmounts() const
    {
        return invoiceAmount - paidAmount - discTakenAmount - writeOffAmount;
    }

    bool operator==(const InvoiceHeader&) const = default;
};

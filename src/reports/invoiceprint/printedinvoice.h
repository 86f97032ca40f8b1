#pragma once
// One invoice as the printed document shows it: the invoice, its customer's bill-to address,
// the recipient's delivered-to address, the looked-up names, the amounts worked out for the
// printout and its lines in order.

#include "common/money.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

struct PrintedInvoiceLine {
    int seq = 0;
    std::optional<double> quantity;
    QString itemNo;
    QString description; // the line's own description when it has one, else the item's
    std::optional<Money> unitPrice;
    QString applicableTaxCodes; // the line's tax codes that this invoice charges
    std::optional<Money> extAmount;
};

struct PrintedInvoice {
    // The invoice.
    qint64 arInvoiceId = 0;
    qint64 customerId = 0;
    QString invoiceNo;
    QString description;
    QDate invoiceDate;
    Money invoiceAmount;
    Money owing;
    QString purchaseOrderNo;
    QString recipId; // the CustomerNo of the client who received the meals
    bool printed = false;
    QString warehouseName;
    QString currencyName; // the customer's currency

    // The customer billed.
    QString customerNo;
    QString customerName;
    QString contact;
    QString addressLine1;
    QString addressLine2;
    QString city;
    QString stateProv;
    QString zipCode;
    QString country;
    QString customerMessage;
    QString taxNo;
    QString customerType; // "C" client, "F" funder, or empty

    // The recipient's delivered-to address and name.
    QString shipToName;
    QString shipToAddressLine1;
    QString shipToAddressLine2;
    QString shipToCity;
    QString shipToStateProv;
    QString shipToZipCode;
    QString shipToCountry;
    QString recipientName;

    // Worked out for the printout (invoiceprintfields.h).
    QString terms;
    Money tax1Amount;
    Money tax2Amount;
    Money subtotal;
    Money payments;
    QString tax1DescriptionRate;
    QString tax2DescriptionRate;
    QString addressLine2P;
    QString addressLine3P;
    QString addressLine4P;
    QString shipToAddressLine2P;
    QString shipToAddressLine3P;
    QString shipToAddressLine4P;

    // What the customer owes over all its invoices, this one included.
    Money currentBalance;

    std::vector<PrintedInvoiceLine> lines;
};

#pragma once
// What each printed invoice says about itself: integrated invoice-and-statement or separate
// invoice, its title, the captions of its headings and totals, the bill-to contact line, the
// delivered-to block, the prior balance and which footer amounts print. The wording follows the
// organization's options and the customer's kind; a client's invoice may have its invoice
// wording suppressed.

#include "common/formatsettings.h"
#include "common/money.h"
#include "reports/invoiceprint/invoiceorganization.h"
#include "reports/invoiceprint/printedinvoice.h"

#include <QString>

struct InvoiceCaptions {
    QString descriptionHeading; // " Invoice Description"
    QString numberHeading;      // "Invoice no."
    QString dateHeading;        // "Invoice Date"
    QString total;              // "Invoice Total"
    QString payments;           // "Invoice Payments"
    QString balance;            // "Invoice Balance"
    QString stubNumber;         // "Invoice Number", on the remittance stub

    static InvoiceCaptions invoice();
    // For clients whose invoices must not read as invoices: "Doc no.", "Total", ...
    static InvoiceCaptions neutral();
    bool operator==(const InvoiceCaptions&) const = default;
};

struct InvoiceWording {
    // "I" integrated invoice and statement, "S" separate invoice and statement.
    QString format;
    bool suppressed = false; // the invoice wording is suppressed for this customer
    QString title;
    InvoiceCaptions captions;

    QString billToContact; // a funder's name, " %" and the contact; else the contact alone
    // The recipient's ship-to lines, or in their place a single label: the recipient's name on
    // a funder's invoice, nothing on a funder's invoice without recipient, "Same" otherwise.
    bool showShipTo = true;
    QString deliveredToLabel;

    bool showPriorBalance = false; // integrated format only
    Money priorBalance;            // the current balance less this invoice's owing
    QString priorBalanceText;      // in the currency format with two decimals

    bool showTax1 = false;
    bool showTax2 = false;
    bool showPaymentsAndBalance = false;
    bool showCurrentBalance = false;
    bool showTerms = false;
};

// The wording of one run's invoices in print order. An invoice that sets no captions (a credit
// note, or any invoice in Australian wording) keeps those of the invoice before it; the run
// starts with the invoice captions.
class InvoiceWordingRun
{
public:
    explicit InvoiceWordingRun(InvoiceWordingOptions options,
                               const FormatSettings& settings = currentFormatSettings());

    InvoiceWording next(const PrintedInvoice& invoice);
    // Each copy of the batch reads as the first: the captions start again.
    void restart() { captions_ = InvoiceCaptions::invoice(); }

private:
    InvoiceWordingOptions options_;
    FormatSettings settings_;
    InvoiceCaptions captions_ = InvoiceCaptions::invoice();
};

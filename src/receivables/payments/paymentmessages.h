#pragma once
// Every text the payment rules show, worded exactly as the bookkeeper reads it ("\r" and "\n"
// included; only the screen turns them into line breaks).

#include "common/money.h"

#include <QString>

namespace paymentmsg
{
// The customer.
inline const QString kCustomerHasLines =
    QStringLiteral("Customer cannot be changed unless invoices are removed first");
QString customerNoNotFound(const QString& typed); // Customer no. 1002 not found.
inline const QString kCustomerNotFound = QStringLiteral("Customer not found");

// The invoice of a line.
QString invoiceNotPosted(const QString& invoiceNo);      // Invoice '1001' has not been posted
QString invoiceAlreadyApplied(const QString& invoiceNo); // ... has already had this payment ...
QString invoiceNoNotFound(const QString& typed);         // Invoice no. 1001 not found.
inline const QString kInvoiceNotFound = QStringLiteral("Invoice not found");
inline const QString kInvoiceRequired =
    QStringLiteral("Field 'Invoice no.' must have a value...\rMake changes or press Esc to undo");

// The write-off account of a line.
inline const QString kAccountNotFound =
    QStringLiteral("GL Account not found...\rPress Esc or enter a different account no");
inline const QString kAccountSuspended = QStringLiteral("GL Account has been suspended");
QString accountSuspended(const QString& accountNo, const QString& accountName);

// A line being stored, in the order it is checked.
inline const QString kDiscountNeedsFullPayment = QStringLiteral(
    "Discount can only be taken if invoice is fully paid...\rMake changes or press Esc to undo");
QString writeOffRemaining(Money remaining); // Do you want to write off the remaining 20.00?
QString writeOffMustEqualBalance(Money balance);

// The header being stored, in the order it is checked.
inline const QString kClientRequired =
    QStringLiteral("A Client for this payment has not been selected.");
inline const QString kBankRequired = QStringLiteral("A  Bank Account must be selected.");
inline const QString kBankGone = QStringLiteral("Bank no longer exists");
inline const QString kBankCurrency = QStringLiteral("Bank must be the same currency as customer");
inline const QString kDateRequired = QStringLiteral("A Check Date must be entered.");
inline const QString kFiscalYearUndefined =
    QStringLiteral("Current fiscal year is not yet defined...\rSee \"Your Company\"");
inline const QString kYearRequired = QStringLiteral("Field 'Year of Period' must have a value");
inline const QString kPriorFiscalYear =
    QStringLiteral("GL Period is prior to current fiscal year \ras defined by \"Your Company\"");
inline const QString kPeriodRequired = QStringLiteral("Field 'Period' must have a value");
inline const QString kPeriodNotAllowed =
    QStringLiteral("GL Period is not within allowed range \ras defined by \"Your Company\"");
inline const QString kPeriodNotExpected =
    QStringLiteral("GL Period is not within expected range \ras defined by \"Your Company\".");
inline const QString kNoLines =
    QStringLiteral("You must enter the invoice(s) to which this payment applies.");
QString chequeAmountQuestion(Money allocated); // Check amount is 100.00\rIs this correct?
QString unallocated(Money chequeAmount, Money allocated);
inline const QString kChequeNoRequired = QStringLiteral("Field 'Check no.' must have a value");

// Stored payments.
inline const QString kPostedLocked = QStringLiteral(
    "Posted payments cannot be changed...\r\rTo undo a payment after posting, you must "
    "\"reverse\" it (enter it again with the opposite amount).");
// OK on a payment that another workstation deleted while it was open here.
inline const QString kPaymentDeletedMeanwhile =
    QStringLiteral("This payment was deleted by another user; it was not saved.");
// OK after another workstation changed what an invoice owes (by posting a payment) since a line
// granting a discount or a write-off on it was stored here.
QString invoiceChangedMeanwhile(const QString& invoiceNo, Money owing);

// The window's caption.
inline const QString kNewPaymentCaption = QStringLiteral("New Payment");
QString paymentCaption(const QString& chequeNo); // Payment Check 10442
} // namespace paymentmsg

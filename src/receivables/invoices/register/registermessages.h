#pragma once
// Every text the invoice register shows or asks, worded exactly as the bookkeeper reads it ("\r"
// and "\r\n" included; only the screen turns them into line breaks). Dates are passed in already
// written in the workstation's short date format.

#include "receivables/listing/listtexts.h"

#include <QString>

namespace registermsg
{
// Deleting the selected invoice.
inline const QString kPostedCantBeDeleted =
    QStringLiteral("An Invoice that has been Posted \r\ncan't be deleted!");
QString confirmDeleteInvoice(const QString& invoiceNo);
QString postedMeanwhile(const QString& invoiceNo);

// Deleting the unposted invoices of one date.
QString noUnpostedInvoicesOf(const QString& date);
QString confirmDeleteDate(int count, const QString& date);
QString dateDeletedEvent(const QString& date); // the History entry

// Copying an invoice: one question per line whose item's price has changed since.
QString useLatestPrice(const QString& itemDescription);

// The find dialog.
QString invoiceNotFoundFor(const QString& invoiceNo, const QString& customerName);
QString invoiceNotFound(const QString& invoiceNo);
QString noInvoicesFor(const QString& customerName);
using ::customerNoNotFound;
} // namespace registermsg

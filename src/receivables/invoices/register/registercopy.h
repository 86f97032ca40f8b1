#pragma once
// Copy: a new invoice made from a stored one, through the invoice document, so the new invoice
// draws its own key and number and gets today's date, the default period and the customer's
// current taxes and terms. The customer, location, description and purchase order are copied;
// each line keeps its quantity, item and override description, in the same order, and takes the
// item's current price unless the bookkeeper, asked once per line whose price has changed,
// keeps the invoice's own price. Everything else starts afresh (not printed, not posted, nothing
// paid).
//
// The copy is not written: the register shows it with the caption kCopiedCaption, and the
// bookkeeper completes it (ok()) or cancels it there.

#include "common/formatsettings.h"

#include <QString>
#include <memory>

class Database;
class Dialogs;
class InvoiceDocument;

inline const QString kCopiedCaption = QStringLiteral("New (copied) Invoice");

// The copy, or nullptr when the invoice is no longer stored. A customer or item the document
// refuses (suspended or gone since) raises its InvoiceRefusal; the copy is then dropped.
std::unique_ptr<InvoiceDocument>
copyInvoice(Database& db, Dialogs& dialogs, qint64 invoiceId,
            const FormatSettings& settings = currentFormatSettings());

#pragma once
// Reading an invoice with its lines, and writing it back as one unit: the header and every line
// in one transaction, so no failure leaves lines that disagree with the header's totals.

#include "receivables/invoices/invoiceheader.h"
#include "receivables/invoices/invoicelines.h"
#include "receivables/storeddocument.h"

class UnitBatch;

using StoredInvoice = StoredDocument<InvoiceHeader, InvoiceLine>;

namespace invoicestore
{
// The invoice with this key, or nothing when there is none.
std::optional<StoredInvoice> load(Database& db, qint64 invoiceId);
// The highest line number stored for the invoice; 0 when it has no lines.
int maxStoredSeq(Database& db, qint64 invoiceId);
// Stores the header (a new row, or the existing one) and replaces the invoice's stored lines
// with these, in one transaction. An invoice that another workstation posted in the meantime
// is refused with the posted-invoice message, one it deleted in the meantime with "This invoice
// was deleted by another user; it was not saved."; either way nothing is written.
// Engine failures raise DbError (a key already taken: 9729) and leave the database as it was.
// Adds a new invoice's header and lines to the unit of work being gathered (unitbatch.h), to be
// written with the other units of a run.
void gather(UnitBatch& batch, const InvoiceHeader& header, const QList<InvoiceLine>& lines);
void write(Database& db, const InvoiceHeader& header, const QList<InvoiceLine>& lines,
           bool newHeader);
} // namespace invoicestore

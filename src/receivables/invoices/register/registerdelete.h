#pragma once
// The register's two deletions. Each asks its question through Dialogs and changes nothing
// unless the bookkeeper agrees; a posted invoice is never deleted. Whatever is deleted goes in
// one transaction: an invoice never loses its lines without going itself, and deleting a date's
// invoices either removes them all and leaves its History entry, or nothing.

#include "common/formatsettings.h"
#include "receivables/listing/deleteoutcome.h"

#include <QDate>
#include <QString>

class Database;
class Dialogs;

// Delete > Selected Invoice: the invoice and its lines.
DeleteOutcome deleteSelectedInvoice(Database& db, Dialogs& dialogs, qint64 invoiceId);

struct DateDeletion {
    DeleteOutcome outcome = DeleteOutcome::Abandoned;
    int invoices = 0; // how many invoices went
};

// Delete > Specified Invoice Date: every unposted invoice of `date` with its lines, recorded in
// the host's History as done by `userName`. Dates in the texts are in the short date format.
DateDeletion deleteInvoicesOfDate(Database& db, Dialogs& dialogs, const QDate& date,
                                  const QString& userName,
                                  const FormatSettings& settings = currentFormatSettings());

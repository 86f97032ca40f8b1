#pragma once
// Deleting one document (an invoice, a payment) from its register: refused on a posted one,
// asked first, and refused again when it was posted while the question was open. The document
// and its lines go together in one transaction, and only while it is still unposted, so a
// document never loses its lines without going itself.

#include "receivables/listing/deleteoutcome.h"

#include <QString>

class Database;
class Dialogs;

// Where the document and its lines are kept.
struct DocumentTables {
    QString table;      // ARInv, ARPmt
    QString key;        // its key column, also the lines' link to it
    QString number;     // the number the bookkeeper knows it by
    QString linesTable; // ARInvDet, ARInvPmt
};

struct DeleteTexts {
    QString postedCantBeDeleted;
    QString (*confirm)(const QString& number);
    QString (*postedMeanwhile)(const QString& number);
};

DeleteOutcome deleteUnposted(Database& db, Dialogs& dialogs, const DocumentTables& tables,
                             qint64 id, const DeleteTexts& texts);

#pragma once
// A register's find dialog: a document by customer and number, by number alone, or the first
// document of a customer, among those the register shows, in its order. What is not found is
// said through Dialogs and the list stays where it was.

#include "receivables/listing/listquery.h"

#include <QString>
#include <optional>

class Database;
class Dialogs;

struct ListFindRequest {
    // The customer chosen from the list, else the number typed (matched exactly).
    std::optional<qint64> customerId;
    QString customerNoText;
    QString number; // the invoice or cheque number, matched exactly
};

// The register's columns the search matches and returns.
struct ListFindColumns {
    QString customerId;
    QString number;
    QString key;
};

// What the register says when the search finds nothing.
struct ListFindTexts {
    QString (*notFoundFor)(const QString& number, const QString& customerName);
    QString (*notFound)(const QString& number);
    QString (*noneFor)(const QString& customerName);
};

// The document to make current; none when nothing was asked or nothing was found.
std::optional<qint64> findInList(Database& db, Dialogs& dialogs, ListQuery query,
                                 const ListFindColumns& columns, const ListFindRequest& request,
                                 const ListFindTexts& texts);

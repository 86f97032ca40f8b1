#pragma once
// A small ledger for the invoice printing tests: the tables a print run reads and writes, with
// clients, a funder, items, taxes, a currency and a location whose values the tests rely on,
// and invoices made to measure.

#include "common/money.h"

#include <QString>
#include <QVariantMap>

class Database;

namespace printfixture
{
// Customers.
constexpr qint64 kAmes = 1;   // "1002" "Ames, Ruth": client, no second address line, ship-to
constexpr qint64 kCounty = 2; // "COUNTY": funder, contact "Pat Lee", two address lines
constexpr qint64 kBaker = 3;  // "1003" "baker, lou": client, no ship-to, named in lower case
constexpr qint64 kCole = 4;   // "0999" "Cole, Ada": client, ship-to, sorts first by number
// Items.
constexpr qint64 kHotMeal = 1; // "101" "Hot meal", codes "G"
constexpr qint64 kTray = 2;    // "102" "Tray", codes "GPX"
// Taxes: 1 GST "G" 5 %, 2 PST "P" 7 %.
constexpr qint64 kGst = 1;
constexpr qint64 kPst = 2;

// Creates the tables and fills them; the Company row is "Hearth Meals" with its options empty.
void create(Database& db);

// An unprinted invoice of the customer for the amount, dated 1 March 2024, owing all of it;
// `more` sets or overrides any ARInv field. Returns the id.
qint64 addInvoice(Database& db, qint64 id, qint64 customerId, const QString& invoiceNo,
                  Money amount, const QVariantMap& more = {});
void addLine(Database& db, qint64 invoiceId, int seq, const QVariantMap& values);
// Sets Company fields.
void setCompany(Database& db, const QVariantMap& values);

Money cents(qint64 cents);
qint64 scalar(Database& db, const QString& sql);
} // namespace printfixture

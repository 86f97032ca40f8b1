#pragma once
// A shared database with the host's tables and the AR tables as the module's start leaves them,
// and small writers for the host records that synchronization reads.

#include <QString>
#include <QVariantMap>
#include <memory>

class Database;

namespace syncfixture
{
// Host tables with a configuration row, and every AR table created and seeded.
std::unique_ptr<Database> open(const QString& engine);

void addClient(Database& db, const QVariantMap& values);     // Clients
void addIndividual(Database& db, const QVariantMap& values); // Individuals
void relate(Database& db, int personId, int indivId, const QString& relationship);
void addFunder(Database& db, const QVariantMap& values); // FundSrcs
// Items; a null amount leaves Billed_Amount empty.
void addItem(Database& db, int itemId, const QString& name, const QVariant& meal,
             const QVariant& billedAmount);

// One row, field names in lower case; empty when there is none.
QVariantMap row(Database& db, const QString& sql);
QVariantMap customer(Database& db, const QString& customerNo);
QVariantMap item(Database& db, const QString& itemNo);
// Every row of a table in key order, each written out as text, for before-and-after comparisons.
QStringList snapshot(Database& db, const QString& table, const QString& key);

// Makes the engine refuse updates of `table` whose rows meet `condition` (written with NEW. and
// OLD.), with the text "refused for the test".
void refuseUpdates(Database& db, const QString& table, const QString& condition);
} // namespace syncfixture

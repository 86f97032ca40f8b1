#pragma once
// The rows a new AR database starts with, and the organization record that the host's
// configuration refreshes at every start. Each seed writes only into an empty table, so the
// user's changes to seeded rows survive; each returns whether it wrote.

#include <QString>

class Database;

namespace seed
{
bool items(Database& db);
bool itemControl(Database& db);
bool itemTypes(Database& db);
// Name, address and phone from the host's Config at every start; the defaults only where a
// field is empty.
void refreshCompany(Database& db);
bool warehouse(Database& db);
bool bank(Database& db);
bool currency(Database& db);
// The currency name that the host's postal format stands for.
QString currencyNameForPostalFormat(const QString& postalFormat);
} // namespace seed

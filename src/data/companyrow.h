#pragma once
// The organization's row of Company, the first in key order, and what the host's configuration
// says of the organization. A database made by an old release may hold the row with an empty
// key; every writer finds it the same way.

#include <QVariantMap>

class Database;

namespace companyrow
{
// Whether the table holds the organization's row yet.
bool exists(Database& db);
// Sets the named fields on the organization's row; returns the rows changed (0 without a row).
int update(Database& db, const QVariantMap& values);
// CompanyName, AddressLine1, AddressLine2 (city, state and ZIP) and Phone as the host's Config
// has them; empty texts when the host has no configuration row.
QVariantMap fromHostConfig(Database& db);
} // namespace companyrow

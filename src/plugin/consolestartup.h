#pragma once
// What the console checks each time it is shown: whether posting is suppressed for the
// organization, and whether the host has a meal item that has no AR item yet.

class Database;

bool postingSuppressed(Database& db);
bool hostHasItemsWithoutArItem(Database& db);

#pragma once
// The names a report's headings give the chosen currency and customer.
#include <QString>
#include <optional>

class Database;

namespace reports
{

struct SelectionNames {
    QString currency; // empty when none is chosen or it is not on file
    QString customer;
    bool currencyOnFile = false; // a currency was chosen and there is one by that number
};

SelectionNames selectionNames(Database& db, std::optional<int> currencyId,
                              std::optional<int> customerId);

} // namespace reports

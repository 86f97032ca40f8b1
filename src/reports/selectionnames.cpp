#include "reports/selectionnames.h"

#include "engine/database.h"
#include "engine/statement.h"
#include "receivables/listing/customerlookup.h"

namespace reports
{

SelectionNames selectionNames(Database& db, std::optional<int> currencyId,
                              std::optional<int> customerId)
{
    SelectionNames names;
    if (currencyId) {
        Statement find =
            db.prepare(QStringLiteral("SELECT CurrencyName FROM Currency WHERE CurrencyID = :id"));
        find.bind(QStringLiteral(":id"), *currencyId).exec();
        if (find.next()) {
            names.currency = find.text(0);
            names.currencyOnFile = true;
        }
    }
    if (customerId)
        if (const std::optional<NamedCustomer> customer = customerWithId(db, *customerId))
            names.customer = customer->name;
    return names;
}

} // namespace reports

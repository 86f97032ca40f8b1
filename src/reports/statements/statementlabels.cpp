#include "reports/statements/statementlabels.h"

#include "common/dialogs.h"
#include "engine/database.h"
#include "engine/dialect.h"
#include "reports/userdefinedreports.h"

namespace reports
{

namespace
{
const QString kOpen = QStringLiteral("Owing <> 0");
}

std::unique_ptr<report::RowSource> statementLabelRows(Database& db,
                                                      const ReportSelection& selection)
{
    // Conditions in the program's own words, every value bound.
    QStringList conditions = {
        QStringLiteral("C.CustomerID IN (SELECT CustomerID FROM ARInv WHERE %1)").arg(kOpen)};
    QList<std::pair<QString, QVariant>> bindings;
    if (selection.minOwing > Money()) {
        conditions << QStringLiteral("C.CustomerID IN (SELECT CustomerID FROM ARInv WHERE %1"
                                     " GROUP BY CustomerID HAVING SUM(Owing) > :minOwing)")
                          .arg(kOpen);
        bindings.append({QStringLiteral(":minOwing"), selection.minOwing.raw()});
    }
    if (selection.minDays > 0) {
        // At least the minimum days old as of the date: dated on or before that many days
        // earlier.
        conditions << QStringLiteral("C.CustomerID IN (SELECT CustomerID FROM ARInv WHERE %1"
                                     " AND InvoiceDate <= :oldestDate)")
                          .arg(kOpen);
        bindings.append(
            {QStringLiteral(":oldestDate"), selection.asOf.addDays(-selection.minDays)});
    }
    if (selection.currencyId) {
        conditions << QStringLiteral("C.CurrencyID = :currency");
        bindings.append({QStringLiteral(":currency"), *selection.currencyId});
    }
    if (selection.customerId) {
        conditions << QStringLiteral("C.CustomerID = :customer");
        bindings.append({QStringLiteral(":customer"), *selection.customerId});
    }
    // Empty names first on both engines. The customer's own name and address only: a label template
    // that prefers a ship-to name finds none and prints the customer's name, the one the statement
    // is addressed to.
    const Dialect& d = db.dialect();
    const QString sql =
        QStringLiteral("SELECT C.CustomerID, C.CustomerNo, C.CustomerName, C.Contact,"
                       " C.AddressLine1, C.AddressLine2, C.City, C.StateProv, C.ZipCode,"
                       " C.Country FROM Customer C WHERE %1 ORDER BY %2, %3, C.CustomerID")
            .arg(conditions.join(QStringLiteral(" AND ")),
                 d.nocaseOrder(QStringLiteral("COALESCE(C.CustomerName, '')")),
                 d.nocaseOrder(QStringLiteral("COALESCE(C.CustomerNo, '')")));
    return std::make_unique<report::QueryRowSource>(db, sql, bindings);
}

std::optional<int> printStatementLabels(Database& db, const QString& directory, Dialogs& dialogs,
                                        const ReportSelection& selection, report::PageSink& sink,
                                        const report::RunOptions& options)
{
    if (dialogs.ask(Dialogs::Kind::Confirmation, kInsertLabels, Dialogs::Ok | Dialogs::Cancel) !=
        Dialogs::Ok)
        return std::nullopt;
    const std::unique_ptr<report::RowSource> rows = statementLabelRows(db, selection);
    return printLabels(directory, dialogs, *rows, sink, options);
}

} // namespace reports

#include "reports/statements/statementexport.h"

#include "common/dialogs.h"
#include "common/formats.h"
#include "engine/database.h"
#include "engine/delimitedexport.h"
#include "engine/transaction.h"
#include "reports/statements/statementexportfile.h"

#include <stdexcept>

namespace statements
{

int exportStatements(Database& db, const StatementExportOptions& options, Dialogs& dialogs,
                     Progress& progress, const FormatSettings& settings)
{
    if (options.maxStatements < kMinStatements || options.maxStatements > kMaxStatements)
        throw std::invalid_argument("the number of statements per customer is 1 to 24");

    // Opened first, so a file that cannot be written is reported before anything is read.
    DelimitedFormat format;
    DelimitedWriter writer(options.fileName, format);

    // Both statements read the same committed state.
    Transaction reads(db, Transaction::Mode::Read);
    const QString sameState = db.dialect().sameStateForReads();
    if (db.transactionDepth() == 1 && !sameState.isEmpty())
        db.exec(sameState);
    StatementExportReader rows(db, options.kind, options.maxStatements);
    const QList<ExportCustomer>& customers = rows.customers();
    if (customers.isEmpty()) {
        writer.commit();
        reads.commit();
        dialogs.inform(Dialogs::Kind::Information, kNoStatements);
        return 0;
    }

    progress.setCaption(kExportCaption);
    progress.setRange(0, 100);
    progress.setValue(0);
    writer.writeRow(headerFields(options.maxStatements));
    int done = 0;
    int percent = 0;
    for (const ExportCustomer& customer : customers) {
        writer.writeRow(customerFields(customer, rows.invoicesOf(customer), options.maxStatements,
                                       options.statementDescription, settings));
        ++done;
        // The bar moves a percent at a time, not once per customer.
        if (const int now = int(qint64(done) * 100 / customers.size()); now != percent) {
            percent = now;
            progress.setValue(percent);
        }
    }
    writer.commit();
    reads.commit();
    dialogs.inform(Dialogs::Kind::Information, kExportFinished);
    return done;
}

int exportStatements(Database& db, const StatementExportOptions& options, Dialogs& dialogs,
                     Progress& progress)
{
    return exportStatements(db, options, dialogs, progress, currentFormatSettings());
}

} // namespace statements

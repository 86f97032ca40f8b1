#include "reports/invoiceprint/printedflags.h"

#include "common/dialogs.h"
#include "engine/database.h"
#include "engine/keyblocks.h"
#include "engine/transaction.h"

#include <algorithm>

namespace
{
constexpr int kBlockSize = 200;
}

int markInvoicesPrinted(Database& db, const std::vector<qint64>& keys, Progress& progress)
{
    // An invoice listed twice in the batch is marked once.
    std::vector<qint64> unique = keys;
    std::sort(unique.begin(), unique.end());
    unique.erase(std::unique(unique.begin(), unique.end()), unique.end());

    const QString sql = QStringLiteral("UPDATE ARInv SET Printed = true WHERE ARInvoiceID IN (") +
                        sql::keyPlaceholders(kBlockSize) + QLatin1Char(')');
    int marked = 0;
    int done = 0;
    Transaction transaction(db);
    for (size_t first = 0; first < unique.size(); first += kBlockSize) {
        const auto block =
            std::span(unique).subspan(first, std::min<size_t>(kBlockSize, unique.size() - first));
        Statement s = db.prepare(sql);
        sql::bindKeyBlock(s, block, kBlockSize);
        s.exec();
        marked += s.rowsAffected();
        done += int(block.size());
        progress.setValue(done);
    }
    transaction.commit();
    return marked;
}

#include "masterdata/codetables/itemnumbering.h"

#include "engine/controlrow.h"
#include "engine/dberror.h"

namespace codetables
{

NewItemNumbers drawItemNumbers(Database& db)
{
    constexpr int kAttempts = 150;
    NewItemNumbers numbers;
    for (int attempt = 0; attempt < kAttempts && numbers.itemNo.isEmpty(); ++attempt) {
        try {
            NewItemNumbers drawn;
            editControlRow(db, QStringLiteral("ItemCtl"), [&](ControlRow& row) {
                qint64 next = row.integer(QStringLiteral("NextItemNo")).value_or(0);
                if (next < 1001 || next > 10000000)
                    next = 1001;
                drawn.itemNo = QString::number(next);
                row.set(QStringLiteral("NextItemNo"), next + 1);
                qint64 id = row.integer(QStringLiteral("NextItemID")).value_or(0);
                if (id == 0)
                    id = 10000;
                drawn.itemId = id;
                row.set(QStringLiteral("NextItemID"), id + 1);
            });
            numbers = drawn;
        } catch (const DbError&) {
            // another workstation holds the counter: the next attempt waits for it again
        }
    }
    return numbers;
}

} // namespace codetables

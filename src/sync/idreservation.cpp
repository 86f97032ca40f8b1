#include "sync/idreservation.h"

#include "engine/controlrow.h"
#include "engine/database.h"
#include "sync/customerqueries.h"

namespace
{
const QString kNextCustomerId = QStringLiteral("NextCustomerID");
const QString kNextItemId = QStringLiteral("NextItemID");
} // namespace

void repairCustomerCounter(Database& db)
{
    editControlRow(db, QStringLiteral("CustCtl"), [&db](ControlRow& row) {
        Statement last = db.prepare(customersql::lastCustomerIdUsed());
        last.exec();
        const qint64 lastUsed = last.next() ? last.integer(0) : 0;
        last.finish();
        if (lastUsed >= row.integer(kNextCustomerId).value_or(0))
            row.set(kNextCustomerId, lastUsed + 1);
    });
}

void reserveCustomerIds(Database& db, qint64 count, qint64& first)
{
    editControlRow(db, QStringLiteral("CustCtl"), [&](ControlRow& row) {
        first = row.integer(kNextCustomerId).value_or(1);
        if (count > 0)
            row.set(kNextCustomerId, first + count + 1);
    });
}

void reserveItemIds(Database& db, qint64 count, qint64& first)
{
    editControlRow(db, QStringLiteral("ItemCtl"), [&](ControlRow& row) {
        first = row.integer(kNextItemId).value_or(0);
        row.set(kNextItemId, first + count + 1);
    });
}

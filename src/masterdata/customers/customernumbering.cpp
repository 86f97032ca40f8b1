#include "masterdata/customers/customernumbering.h"

#include "engine/controlrow.h"
#include "engine/dberror.h"

namespace
{
constexpr qint64 kLowestNumber = 1001;
constexpr qint64 kHighestNumber = 10000000;
constexpr qint64 kFirstId = 10000;
constexpr int kAttempts = 150;
} // namespace

qint64 usableCustomerNumber(std::optional<qint64> counter)
{
    const qint64 n = counter.value_or(0);
    return n < kLowestNumber || n > kHighestNumber ? kLowestNumber : n;
}

CustomerKeys drawCustomerKeys(Database& db)
{
    for (int attempt = 1;; ++attempt) {
        CustomerKeys keys;
        try {
            editControlRow(db, QStringLiteral("CustCtl"), [&keys](ControlRow& row) {
                const qint64 number =
                    usableCustomerNumber(row.integer(QStringLiteral("NextCustomerNo")));
                keys.customerNo = QString::number(number);
                row.set(QStringLiteral("NextCustomerNo"), number + 1);
                qint64 id = row.integer(QStringLiteral("NextCustomerID")).value_or(0);
                if (id == 0)
                    id = kFirstId;
                keys.customerId = id;
                row.set(QStringLiteral("NextCustomerID"), id + 1);
            });
            return keys;
        } catch (const DbError&) {
            // Another workstation holds the counters: try again, a bounded number of times.
            if (attempt >= kAttempts)
                throw;
        }
    }
}

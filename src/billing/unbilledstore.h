#pragma once
// The meal credits the last generation run of each user billed to no one, kept in the database
// so that the Unbilled Deliveries report can be printed after the run, from any workstation the
// user signs in at. A new run of the same user replaces the old one whole; a preview run counts
// as a run. The table ARUnbilledRun, made the first time a run is kept, holds one row per user:
// when the run was, whether it was a preview, its period, and its unbilled meal credits packed
// into one value in the run's order.

#include "billing/extractionperiod.h"
#include "billing/unbilled.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

class Database;

namespace billing
{

struct UnbilledRun {
    QString userName;
    QDateTime ranAt;
    bool preview = false;
    DeliveryPeriod period;
    QList<UnbilledDelivery> deliveries; // in the order the run found them
};

// Replaces the user's last run with this one, in one transaction.
void keepUnbilledRun(Database& db, const UnbilledRun& run);
// The user's last run kept; nothing when the user has none (or no run was ever kept), or when
// its list cannot be read back.
std::optional<UnbilledRun> lastUnbilledRun(Database& db, const QString& userName);

} // namespace billing

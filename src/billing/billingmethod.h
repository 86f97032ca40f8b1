#pragma once
// How a client's meals under a funding source are charged: the reimbursement method the client's
// own funding use names for the service (or for all services), else the funding source's.

#include <QString>

class Database;

namespace billing
{
inline const QString kByItem = QStringLiteral("I");
inline const QString kByTime = QStringLiteral("T");
inline const QString kAtCost = QStringLiteral("C");

// The first non-empty Reimbursement_Method, client-specific (FundUses, a row for the service
// before a row for all services) before the funding source's (FundSrcs); "C" when none is given.
// Codes come back without trailing blanks.
QString billingMethodOf(Database& db, qint64 personId, qint64 serviceId,
                        const QString& fundingCode);
// The two halves: the client's own method (empty when the client's funding uses name none) and
// the funding source's (empty when it names none), so a run can remember the second per source.
QString clientBillingMethod(Database& db, qint64 personId, qint64 serviceId,
                            const QString& fundingCode);
QString funderBillingMethod(Database& db, const QString& fundingCode);
// The method that holds: the client's own, else the funding source's, else "C".
QString methodInForce(const QString& clientMethod, const QString& funderMethod);
} // namespace billing

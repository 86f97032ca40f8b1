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
// The funding source's own method, empty when it names none; a run remembers it per source and
// takes the clients' own methods from FundingUses (fundinguses.h).
QString funderBillingMethod(Database& db, const QString& fundingCode);
// The method that holds: the client's own, else the funding source's, else "C".
QString methodInForce(const QString& clientMethod, const QString& funderMethod);
} // namespace billing

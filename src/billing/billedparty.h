#pragma once
// Who pays for a funding source's meals, and whether the run's payer choice bills that party.

#include "billing/chargetypes.h"

class Database;

namespace billing
{
inline const QString kThirdParty = QStringLiteral("3");
inline const QString kPrivatePay = QStringLiteral("P");
inline const QString kNoBilling = QStringLiteral("N");

// FundSrcs.Billed_Party of the funding source, trailing blanks dropped. An empty value, or a
// funding source that is not on file, is private pay ("P").
QString billedPartyOf(Database& db, const QString& fundingCode);

// Third parties are billed when funders are included, private pay when private payers are,
// "No Billing" never, and client billing (any other code) always.
bool isBilled(const QString& billedParty, PayerChoice payers);
} // namespace billing

#include "billing/billedparty.h"

#include "engine/database.h"

namespace billing
{

QString billedPartyOf(Database& db, const QString& fundingCode)
{
    Statement s = db.prepare(QStringLiteral(
        "SELECT Billed_Party FROM FundSrcs WHERE RTRIM(Fund_CD) = :fund ORDER BY Fund_ID"));
    s.bind(QStringLiteral("fund"), fundingCode.trimmed()).exec();
    QString party;
    if (s.next())
        party = s.text(0).trimmed();
    s.finish();
    return party.isEmpty() ? kPrivatePay : party;
}

bool isBilled(const QString& billedParty, PayerChoice payers)
{
    if (billedParty == kThirdParty)
        return payers != PayerChoice::PrivatePayOnly;
    if (billedParty == kPrivatePay)
        return payers != PayerChoice::FundersOnly;
    return billedParty != kNoBilling;
}

} // namespace billing

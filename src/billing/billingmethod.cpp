#include "billing/billingmethod.h"

#include "engine/database.h"

namespace billing
{

namespace
{
QString firstMethod(Statement& s)
{
    QString method;
    while (method.isEmpty() && s.next())
        method = s.text(0).trimmed();
    s.finish();
    return method;
}

// The client's own method, empty when the client's funding uses name none.
QString clientBillingMethod(Database& db, qint64 personId, qint64 serviceId,
                            const QString& fundingCode)
{
    Statement clientSpecific = db.prepare(
        QStringLiteral("SELECT Reimbursement_Method FROM FundUses WHERE Person_ID = :person"
                       " AND (Service_ID = :service OR Service_ID = 0) AND RTRIM(Fund_CD) = :fund"
                       " ORDER BY CASE WHEN Service_ID = 0 THEN 1 ELSE 0 END"));
    clientSpecific.bind(QStringLiteral("person"), personId)
        .bind(QStringLiteral("service"), serviceId)
        .bind(QStringLiteral("fund"), fundingCode.trimmed())
        .exec();
    return firstMethod(clientSpecific);
}

} // namespace

QString funderBillingMethod(Database& db, const QString& fundingCode)
{
    Statement funder = db.prepare(QStringLiteral(
        "SELECT Reimbursement_Method FROM FundSrcs WHERE RTRIM(Fund_CD) = :fund ORDER BY Fund_ID"));
    funder.bind(QStringLiteral("fund"), fundingCode.trimmed()).exec();
    return firstMethod(funder);
}

QString methodInForce(const QString& clientMethod, const QString& funderMethod)
{
    if (!clientMethod.isEmpty())
        return clientMethod;
    return funderMethod.isEmpty() ? kAtCost : funderMethod;
}

QString billingMethodOf(Database& db, qint64 personId, qint64 serviceId, const QString& fundingCode)
{
    const QString own = clientBillingMethod(db, personId, serviceId, fundingCode);
    return methodInForce(own, own.isEmpty() ? funderBillingMethod(db, fundingCode) : QString());
}

} // namespace billing

#include "billing/fundinguses.h"

#include "billing/extractiontables.h"
#include "engine/database.h"

namespace billing
{

namespace
{
QString withoutTrailingBlanks(QString text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    text.truncate(end);
    return text;
}
} // namespace

FundingUses::FundingUses(Database& db)
{
    Statement s = db.query(
        QStringLiteral("SELECT Person_ID, Service_ID, Fund_CD, Reimbursement_Method, "
                       "Reimbursement_Rate, Reimbursement_Period FROM FundUses WHERE Person_ID IN "
                       "(SELECT Person_ID FROM %1)")
            .arg(kMemDeliveries));
    s.exec();
    while (s.next()) {
        // A use without a service matches no service, as the comparison in SQL does not.
        if (s.isNull(1))
            continue;
        byPerson_[s.integer(0)] << Use{s.integer(1), withoutTrailingBlanks(s.text(2)),
                                       withoutTrailingBlanks(s.text(3)), s.value(4),
                                       s.text(5).trimmed()};
    }
}

QList<const FundingUses::Use*> FundingUses::applying(qint64 personId, qint64 serviceId,
                                                     const QString& fundingCode) const
{
    // Empty text is stored and compared as NULL, which matches nothing.
    const QString fund = fundingCode.trimmed();
    if (fund.isEmpty())
        return {};
    QList<const Use*> ownService;
    QList<const Use*> allServices;
    const auto uses = byPerson_.constFind(personId);
    if (uses == byPerson_.constEnd())
        return {};
    for (const Use& use : *uses) {
        if (use.fundingCode != fund)
            continue;
        if (use.serviceId == 0)
            allServices << &use;
        else if (use.serviceId == serviceId)
            ownService << &use;
    }
    return ownService + allServices;
}

QString FundingUses::method(qint64 personId, qint64 serviceId, const QString& fundingCode) const
{
    for (const Use* use : applying(personId, serviceId, fundingCode)) {
        const QString method = use->method.trimmed();
        if (!method.isEmpty())
            return method;
    }
    return {};
}

std::optional<PeriodRate> FundingUses::timeRate(qint64 personId, qint64 serviceId,
                                                const QString& fundingCode) const
{
    for (const Use* use : applying(personId, serviceId, fundingCode)) {
        if (use->method == QLatin1String("T") && !use->rate.isNull())
            return PeriodRate{Money::fromHost(use->rate), use->period};
    }
    return std::nullopt;
}

} // namespace billing

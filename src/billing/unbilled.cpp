#include "billing/unbilled.h"

#include <array>

namespace billing
{

namespace
{

struct ReasonNames {
    UnbilledReason reason;
    const char* code;
    const char* text;
};

constexpr std::array kReasons{
    ReasonNames{UnbilledReason::ExcludedByFilter, "FILTER", "Item excluded by the meal filter"},
    ReasonNames{UnbilledReason::NoBillingSource, "NO_BILLING", "Funding source is No Billing"},
    ReasonNames{UnbilledReason::LeftOutByPayers, "PAYER", "Payer left out by the payer choice"},
    ReasonNames{UnbilledReason::NoPrice, "NO_PRICE", "No price found"},
    ReasonNames{UnbilledReason::ZeroPriceEnded, "ZERO_PRICE", "A price of 0 ended the search"},
    ReasonNames{UnbilledReason::ZeroCost, "ZERO_COST", "Item cost is 0"},
    ReasonNames{UnbilledReason::NoTimeRate, "NO_RATE", "Time billing without a rate"},
    ReasonNames{UnbilledReason::NoTimePeriod, "NO_PERIOD", "Time billing without a period"},
    ReasonNames{UnbilledReason::NoArItem, "NO_AR_ITEM", "No AR item for the meal item"},
    ReasonNames{UnbilledReason::NoFunderInvoice, "NO_FUNDER_INVOICE",
                "No funder invoice is written"},
    ReasonNames{UnbilledReason::PledgesOnly, "PLEDGES_ONLY", "Pledges only: meals not billed"},
};

const ReasonNames& namesOf(UnbilledReason reason)
{
    for (const ReasonNames& names : kReasons)
        if (names.reason == reason)
            return names;
    return kReasons.front(); // every enumerator is listed above
}

} // namespace

QList<UnbilledReason> allUnbilledReasons()
{
    QList<UnbilledReason> reasons;
    for (const ReasonNames& names : kReasons)
        reasons << names.reason;
    return reasons;
}

QString unbilledReasonCode(UnbilledReason reason)
{
    return QString::fromLatin1(namesOf(reason).code);
}

std::optional<UnbilledReason> unbilledReasonFromCode(const QString& code)
{
    for (const ReasonNames& names : kReasons)
        if (code == QLatin1String(names.code))
            return names.reason;
    return std::nullopt;
}

QString unbilledReasonText(UnbilledReason reason)
{
    return QString::fromLatin1(namesOf(reason).text);
}

} // namespace billing

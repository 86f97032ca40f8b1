#include "reports/menu/menufields.h"

#include "common/formats.h"
#include "common/formatsettings.h"
#include "receivables/accountingperiod.h"

namespace reports::menufields
{

namespace
{

// A whole number of digits only; no sign, no blanks inside.
bool readDigits(const QString& text, int& number)
{
    const QString typed = text.trimmed();
    if (typed.isEmpty() || typed.size() > 9)
        return false;
    for (QChar c : typed)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    number = typed.toInt();
    return true;
}

} // namespace

QString readPeriod(const QString& text, int& period)
{
    int typed = 0;
    if (!readDigits(text, typed) || typed < 1 || typed > 12)
        return QStringLiteral("Period must be between 1 and 12");
    period = typed;
    return {};
}

QString readYear(const QString& text, int& year)
{
    std::optional<int> typed;
    // The year is always needed here: an empty box is no year at all.
    if (text.trimmed().isEmpty() || !accountingperiod::readTwoDigitYear(text, typed) || !typed)
        return accountingperiod::kYearInvalid;
    year = *typed;
    return {};
}

QString readMinOwing(const QString& text, Money& minOwing)
{
    const std::optional<Money> typed = text.trimmed().isEmpty()
                                           ? std::optional<Money>(Money())
                                           : Money::parse(text, currentFormatSettings());
    if (!typed || *typed < Money() || *typed > kMostMinOwing)
        return QStringLiteral("Min Owing must be between 0 and ") +
               formatFloat(kMoneyFormat, kMostMinOwing);
    minOwing = *typed;
    return {};
}

QString readMinDays(const QString& text, int& minDays)
{
    int typed = 0;
    if (text.trimmed().isEmpty())
        typed = 0;
    else if (!readDigits(text, typed) || typed > kMostMinDays)
        return QStringLiteral("Min Days Old must be between 0 and 100");
    minDays = typed;
    return {};
}

QString minOwingText(Money minOwing)
{
    return formatFloat(kMoneyListFormat, minOwing);
}

} // namespace reports::menufields

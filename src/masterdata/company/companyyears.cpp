#include "masterdata/company/companyyears.h"

#include "common/twodigityear.h"

namespace companymessages
{

QString yearInvalid(CompanyField field)
{
    const auto invalid = [](const char* box) {
        return QString::fromLatin1(box) + QStringLiteral(" invalid...\rEnter year as 2 digits");
    };
    switch (field) {
    case CompanyField::FiscalYear:
        return invalid("Current Fiscal Year");
    case CompanyField::DefaultPeriodYear:
        return invalid("Default Period");
    case CompanyField::WarnFromYear:
        return invalid("Warn Before Period");
    case CompanyField::WarnToYear:
        return invalid("Warn After Period");
    case CompanyField::ErrorFromYear:
        return invalid("Error Before Period");
    case CompanyField::ErrorToYear:
        return invalid("Error After Period");
    case CompanyField::None:
    case CompanyField::CompanyName:
        break;
    }
    return invalid("Year");
}

} // namespace companymessages

std::optional<int> companyYearFromText(CompanyField field, const QString& text)
{
    std::optional<int> year;
    if (!readTwoDigitYear(text, year))
        throw CompanyRefusal(companymessages::yearInvalid(field), field);
    return year;
}

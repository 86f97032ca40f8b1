#pragma once
// What the organization setup refuses: the exact message and the box the cursor goes back to.
// Nothing is written after a refusal; the screen keeps what was typed.

#include <QString>
#include <stdexcept>

enum class CompanyField {
    None,
    CompanyName,
    FiscalYear,
    DefaultPeriodYear,
    WarnFromYear,
    WarnToYear,
    ErrorFromYear,
    ErrorToYear,
};

class CompanyRefusal : public std::runtime_error
{
public:
    CompanyRefusal(const QString& message, CompanyField field)
        : std::runtime_error(message.toStdString()), message_(message), field_(field)
    {
    }
    QString message() const { return message_; }
    CompanyField field() const { return field_; }

private:
    QString message_;
    CompanyField field_;
};

namespace companymessages
{
inline const QString kNameRequired = QStringLiteral("Field 'Company Name' must have a value");
inline const QString kFiscalYearRange = QStringLiteral("Fiscal Year must be between 1989 and 2050");
// The refusal of a year box whose text is not two digits.
QString yearInvalid(CompanyField field);
} // namespace companymessages

#include "receivables/payments/paymentperiodfields.h"

#include "receivables/accountingperiod.h"
#include "receivables/payments/paymentrefusal.h"

std::optional<int> paymentGLYearFromEditText(const QString& text)
{
    std::optional<int> year;
    if (!accountingperiod::readTwoDigitYear(text, year))
        throw PaymentRefusal(accountingperiod::kYearInvalid, PaymentField::Year);
    return year;
}

#include "receivables/invoices/periodfields.h"

#include "receivables/accountingperiod.h"
#include "receivables/invoices/invoicerefusal.h"

void checkGLPeriod(std::optional<int> period)
{
    if (const QString refusal = accountingperiod::periodRefusal(period); !refusal.isEmpty())
        throw InvoiceRefusal(refusal, InvoiceField::Period);
}

std::optional<int> glYearFromEditText(const QString& text)
{
    std::optional<int> year;
    if (!accountingperiod::readTwoDigitYear(text, year))
        throw InvoiceRefusal(accountingperiod::kYearInvalid, InvoiceField::Year);
    return year;
}

QString glYearEditText(std::optional<int> year)
{
    return accountingperiod::twoDigitYearText(year);
}

#include "receivables/payments/paymentheaderchecks.h"

#include "common/dialogs.h"
#include "receivables/payments/paymentdocument.h"
#include "receivables/payments/paymentlookups.h"
#include "receivables/payments/paymentmessages.h"

namespace
{

// A period as one number, 202403 for March 2024, as the organization's ranges are compared.
int periodKey(int year, int period)
{
    return year * 100 + period;
}

// Before `from`, or after `to` where a `to` is set.
bool outside(int key, int from, int to)
{
    return key < from || (to > 0 && key > to);
}

[[noreturn]] void refuse(const QString& message, PaymentField focus)
{
    throw PaymentRefusal(message, focus);
}

void checkCustomerAndBank(Database& db, const PaymentHeader& header)
{
    using namespace paymentmsg;
    // The bank box is read before anything is checked: an empty one is refused first.
    if (!header.bankId)
        refuse(kBankRequired, PaymentField::Bank);
    if (!header.customerId)
        refuse(kClientRequired, PaymentField::CustomerNo);
    const std::optional<PayingCustomer> customer =
        paymentlookup::customerById(db, *header.customerId);
    if (!customer)
        refuse(kCustomerNotFound, PaymentField::CustomerNo);
    const std::optional<BankInfo> bank = paymentlookup::bankById(db, *header.bankId);
    if (!bank)
        refuse(kBankGone, PaymentField::Bank);
    // An empty currency counts as 0 on both sides.
    if (bank->currencyId.value_or(0) != customer->currencyId.value_or(0))
        refuse(kBankCurrency, PaymentField::Bank);
}

void checkPeriod(Database& db, Dialogs& dialogs, const PaymentHeader& header)
{
    using namespace paymentmsg;
    const PaymentPeriods company = paymentlookup::periods(db);
    if (company.fiscalYear == 0)
        refuse(kFiscalYearUndefined, PaymentField::Period);
    if (!header.glYear)
        refuse(kYearRequired, PaymentField::Year);
    if (*header.glYear < company.fiscalYear)
        refuse(kPriorFiscalYear, PaymentField::Period);
    if (!header.glPeriod)
        refuse(kPeriodRequired, PaymentField::Period);
    const int key = periodKey(*header.glYear, *header.glPeriod);
    if (outside(key, periodKey(company.allowedFromYear, company.allowedFromPeriod),
                periodKey(company.allowedToYear, company.allowedToPeriod)))
        refuse(kPeriodNotAllowed, PaymentField::Period);
    if (outside(key, periodKey(company.expectedFromYear, company.expectedFromPeriod),
                periodKey(company.expectedToYear, company.expectedToPeriod)) &&
        dialogs.ask(Dialogs::Kind::Warning, kPeriodNotExpected, Dialogs::Ok | Dialogs::Cancel) !=
            Dialogs::Ok)
        throw PaymentAbandoned(PaymentField::Period);
}

} // namespace

void checkPaymentBeforeStore(Database& db, Dialogs& dialogs, PaymentHeader& header, int lineCount,
                             Money allocated)
{
    using namespace paymentmsg;
    if (header.posted)
        return;
    checkCustomerAndBank(db, header);
    if (!header.paymentDate.isValid())
        refuse(kDateRequired, PaymentField::PaymentDate);
    checkPeriod(db, dialogs, header);
    if (lineCount == 0)
        refuse(kNoLines, PaymentField::Lines);
    if (!header.chequeAmount) {
        // Yes fills the amount in for a second OK to confirm; No leaves it to be typed.
        if (dialogs.ask(Dialogs::Kind::Confirmation, chequeAmountQuestion(allocated),
                        Dialogs::Yes | Dialogs::No) == Dialogs::Yes)
            header.chequeAmount = allocated;
        throw PaymentAbandoned(PaymentField::ChequeAmount);
    }
    if (*header.chequeAmount != allocated)
        refuse(unallocated(*header.chequeAmount, allocated), PaymentField::Lines);
    if (header.chequeNo.trimmed().isEmpty())
        refuse(kChequeNoRequired, PaymentField::ChequeNo);
}

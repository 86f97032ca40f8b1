#include "receivables/payments/paymentmessages.h"

#include "common/formats.h"

namespace paymentmsg
{

namespace
{
QString amount(Money value)
{
    return formatFloat(kMoneyFormat, value);
}
} // namespace

QString customerNoNotFound(const QString& typed)
{
    return QStringLiteral("Customer no. ") + typed + QStringLiteral(" not found.");
}

QString invoiceNotPosted(const QString& invoiceNo)
{
    return QStringLiteral("Invoice '") + invoiceNo + QStringLiteral("'") +
           QStringLiteral(" has not been posted");
}

QString invoiceAlreadyApplied(const QString& invoiceNo)
{
    return QStringLiteral("Invoice '") + invoiceNo + QStringLiteral("'") +
           QStringLiteral(" has already had this payment applied to it.");
}

QString invoiceNoNotFound(const QString& typed)
{
    return QStringLiteral("Invoice no. ") + typed + QStringLiteral(" not found.");
}

QString accountSuspended(const QString& accountNo, const QString& accountName)
{
    return QStringLiteral("GL Account '") + accountNo + QStringLiteral(": ") + accountName +
           QStringLiteral("'") + QStringLiteral(" has been suspended");
}

QString writeOffRemaining(Money remaining)
{
    return QStringLiteral("Do you want to write off the remaining ") + amount(remaining) +
           QStringLiteral("?");
}

QString writeOffMustEqualBalance(Money balance)
{
    return QStringLiteral("Write-off must equal balance of invoice: ") + amount(balance) +
           QStringLiteral("\r") + QStringLiteral("Make changes or press Esc to undo");
}

QString chequeAmountQuestion(Money allocated)
{
    return QStringLiteral("Check amount is ") + amount(allocated) + QStringLiteral("\r") +
           QStringLiteral("Is this correct?");
}

QString unallocated(Money chequeAmount, Money allocated)
{
    return QStringLiteral("The total of payment(s) must equal the check amount.\n\rThe check "
                          "amount is ") +
           amount(chequeAmount) + QStringLiteral("\n\r") +
           QStringLiteral("Your payment total is ") + amount(allocated) + QStringLiteral("\n") +
           QStringLiteral("\r") + amount(chequeAmount - allocated) +
           QStringLiteral(" has yet to be allocated.");
}

QString invoiceChangedMeanwhile(const QString& invoiceNo, Money owing)
{
    return QStringLiteral("Invoice '") + invoiceNo +
           QStringLiteral("' was changed by another user while this payment was open: it now "
                          "owes ") +
           amount(owing) +
           QStringLiteral(".\rIts discount or write-off no longer settles it; the payment was "
                          "not saved.\rMake changes or press Esc to undo");
}

QString paymentCaption(const QString& chequeNo)
{
    return QStringLiteral("Payment Check ") + chequeNo;
}

} // namespace paymentmsg

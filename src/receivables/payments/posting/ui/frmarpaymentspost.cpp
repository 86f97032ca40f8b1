#include "receivables/payments/posting/ui/frmarpaymentspost.h"

#include "receivables/payments/posting/paymentpostingrun.h"
#include "receivables/payments/posting/paymentstopost.h"
#include "receivables/payments/posting/ui/paymentwindowopen.h"

TfrmARPaymentsPost::TfrmARPaymentsPost(Database& db, QWidget* parent)
    : PostingDialog(db, QStringLiteral("frmARPaymentsPost"), QStringLiteral("Post AR Payments"),
                    {paymentposting::countPaymentsToPost, paymentposting::toBePostedText,
                     [](Database& db, Dialogs& dialogs, Progress& progress) {
                         PaymentPostingOptions options;
                         options.paymentWindowOpen = paymentWindowOpen();
                         return PaymentPostingRun(db, dialogs, progress).run(options).accepted();
                     }},
                    parent)
{
}

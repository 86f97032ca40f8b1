#pragma once
// "Post AR Payments": shows how many payments wait to be posted and posts them all on OK. The
// run is PaymentPostingRun's; the dialog is a PostingDialog.

#include "receivables/posting/ui/postingdialog.h"

class TfrmARPaymentsPost : public PostingDialog
{
    Q_OBJECT
public:
    explicit TfrmARPaymentsPost(Database& db, QWidget* parent = nullptr);
};

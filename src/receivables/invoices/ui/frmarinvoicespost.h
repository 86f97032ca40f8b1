#pragma once
// "Post AR Invoices": shows how many printed invoices wait to be posted and posts them all on
// OK. The run is InvoicePostingRun's; the dialog is a PostingDialog.

#include "receivables/posting/ui/postingdialog.h"

class TfrmARInvoicesPost : public PostingDialog
{
    Q_OBJECT
public:
    explicit TfrmARInvoicesPost(Database& db, QWidget* parent = nullptr);
};

#pragma once
// "Post AR Invoices": shows how many printed invoices wait to be posted and posts them all on
// OK. The run is InvoicePostingRun's; the dialog shows the count and the progress and closes
// with OK once posting ran, so the register knows to show the list again.

#include "common/ui/messageboxdialogs.h"

#include <QDialog>

class Database;
class QLabel;
class QProgressBar;

class TfrmARInvoicesPost : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmARInvoicesPost(Database& db, QWidget* parent = nullptr);

    // Counts the invoices waiting and shows "N printed invoice(s) to be posted".
    void OpenQuery();
    // How many invoices the dialog found waiting; the register offers the dialog only when
    // some are.
    int waiting() const { return waiting_; }

    QLabel* LabelCount = nullptr;
    QProgressBar* ProgressBar = nullptr;

private:
    void btnOKClick();

    Database& db_;
    MessageBoxDialogs dialogs_;
    int waiting_ = 0;
};

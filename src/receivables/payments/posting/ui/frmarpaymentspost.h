#pragma once
// "Post AR Payments": shows how many payments wait to be posted and posts them all on OK. The
// run is PaymentPostingRun's; the dialog shows the count and the progress and closes with OK
// once posting ran, so the register knows to show the list again.

#include "common/ui/messageboxdialogs.h"

#include <QDialog>

class Database;
class QLabel;
class QProgressBar;

class TfrmARPaymentsPost : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmARPaymentsPost(Database& db, QWidget* parent = nullptr);

    // Counts the payments waiting and shows "N payment(s) to be posted".
    void OpenQuery();
    // How many payments the dialog found waiting; the register offers the dialog only when
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

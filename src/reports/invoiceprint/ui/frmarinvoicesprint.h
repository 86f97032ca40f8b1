#pragma once
// "Print AR Invoices": the unprinted invoices (or the one invoice the register chose) printed on
// the invoice-and-statement document, with labels or a mail-merge file when asked, and marked
// printed once the bookkeeper confirms the printout. The run is InvoicePrintRun's; the dialog
// gathers the choices and shows the count and the progress.

#include "common/ui/messageboxdialogs.h"
#include "reports/invoiceprint/invoiceselection.h"

#include <QDialog>

class Database;
class QComboBox;
class QLabel;
class QProgressBar;

class TfrmARInvoicesPrint : public QDialog
{
    Q_OBJECT
public:
    TfrmARInvoicesPrint(Database& db, QString databaseDirectory, QWidget* parent = nullptr);

    // The selection; a caller may replace its selection line and then call OpenQuery.
    InvoiceSelection& qryARInv() { return selection_; }
    // Counts the selected invoices (the batch) and shows "N invoice(s) to be printed".
    void OpenQuery();
    int batchSize() const { return batchSize_; }

    QComboBox* RzComboBoxPrintOption = nullptr;
    QComboBox* RzComboBoxSortOrder = nullptr;
    QLabel* LabelCount = nullptr;
    QProgressBar* ProgressBar = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void btnOKClick();
    void applySortOrder();

    Database& db_;
    QString directory_;
    InvoiceSelection selection_;
    MessageBoxDialogs dialogs_;
    int batchSize_ = 0;
    bool opened_ = false;
};

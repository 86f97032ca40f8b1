#pragma once
// "Invoice Print Setup": the organization's invoice message, number of copies, terms and
// Australian wording, and the logo printed at the top of every invoice page. OK stores them;
// Cancel or closing the window discards the changes.

#include "common/ui/messageboxdialogs.h"
#include "receivables/invoices/register/invoiceprintsetup.h"

#include <QDialog>

class Database;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TfrmARInvoiceSetup : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmARInvoiceSetup(Database& db, QWidget* parent = nullptr);

    // Reads a picture file into the logo; a file that is not a picture is refused with a
    // message and the logo stays as it was.
    bool loadLogo(const QString& path);
    void clearLogo();
    bool hasLogo() const { return !setup_.logo.isEmpty(); }

    QLineEdit* edtMessage;
    QSpinBox* edtCopies;
    QCheckBox* chkPrintTerms;
    QCheckBox* chkAustralia;
    QComboBox* cboStyle;
    QLabel* imgLogo;
    QPushButton* btnLoad;
    QPushButton* btnClear;

    void accept() override;

private:
    void showLogo();

    Database& db_;
    InvoicePrintSetup setup_;
    MessageBoxDialogs dialogs_;
};

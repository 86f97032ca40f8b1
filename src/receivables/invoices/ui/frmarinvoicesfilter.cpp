#include "receivables/invoices/ui/frmarinvoicesfilter.h"

#include "engine/database.h"
#include "engine/statement.h"
#include "receivables/listing/ui/filterchoices.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfrmARInvoicesFilter::TfrmARInvoicesFilter(Database& db, QWidget* parent) : QDialog(parent), db_(db)
{
    setObjectName(QStringLiteral("frmARInvoicesFilter"));
    setWindowTitle(QStringLiteral("AR Invoices Filter"));
    cboCurrency = new QComboBox(this);
    cboCurrency->setObjectName(QStringLiteral("cboCurrency"));
    cboCustomer = new QComboBox(this);
    cboCustomer->setObjectName(QStringLiteral("cboCustomer"));
    cboCustomer->setMinimumWidth(260);
    edtDescription = new QLineEdit(this);
    edtDescription->setObjectName(QStringLiteral("edtDescription"));
    rbPostedYes = new QRadioButton(QStringLiteral("&Yes"), this);
    rbPostedNo = new QRadioButton(QStringLiteral("&No"), this);
    rbPostedAll = new QRadioButton(QStringLiteral("&All"), this);
    rbPostedAll->setChecked(true);
    auto* posted = new QGroupBox(QStringLiteral("Posted"), this);
    auto* postedRow = new QHBoxLayout(posted);
    postedRow->addWidget(rbPostedYes);
    postedRow->addWidget(rbPostedNo);
    postedRow->addWidget(rbPostedAll);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Currency:"), cboCurrency);
    form->addRow(QStringLiteral("Customer:"), cboCustomer);
    form->addRow(QStringLiteral("Description:"), edtDescription);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* resetButton =
        buttons->addButton(QStringLiteral("&Reset"), QDialogButtonBox::ResetRole);
    resetButton->setObjectName(QStringLiteral("btnReset"));
    connect(resetButton, &QPushButton::clicked, this, &TfrmARInvoicesFilter::reset);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(posted);
    layout->addWidget(buttons);
    reload();
}

void TfrmARInvoicesFilter::reload()
{
    fillCurrencyChoices(cboCurrency, db_);
    fillCustomerChoices(cboCustomer, db_);
}

void TfrmARInvoicesFilter::reset()
{
    cboCurrency->setCurrentIndex(0);
    cboCustomer->setCurrentIndex(0);
    edtDescription->clear();
    rbPostedAll->setChecked(true);
}

RegisterFilter TfrmARInvoicesFilter::filter() const
{
    RegisterFilter f;
    f.currencyId = chosenKey(cboCurrency);
    f.customerId = chosenKey(cboCustomer);
    f.description = edtDescription->text();
    f.posted = rbPostedYes->isChecked()  ? FlagChoice::Yes
               : rbPostedNo->isChecked() ? FlagChoice::No
                                         : FlagChoice::All;
    return f;
}

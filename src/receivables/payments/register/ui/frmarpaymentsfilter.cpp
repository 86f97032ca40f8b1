#include "receivables/payments/register/ui/frmarpaymentsfilter.h"

#include "common/ui/dateentry.h"
#include "receivables/listing/ui/filterchoices.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfrmARPaymentsFilter::TfrmARPaymentsFilter(Database& db, QWidget* parent) : QDialog(parent), db_(db)
{
    setObjectName(QStringLiteral("frmARPaymentsFilter"));
    setWindowTitle(QStringLiteral("AR Payments Filter"));
    edtDate = new DateEntry(this);
    edtDate->setObjectName(QStringLiteral("edtDate"));
    cboCustomer = new QComboBox(this);
    cboCustomer->setObjectName(QStringLiteral("cboCustomer"));
    cboCustomer->setMinimumWidth(260);
    cboCurrency = new QComboBox(this);
    cboCurrency->setObjectName(QStringLiteral("cboCurrency"));
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
    form->addRow(QStringLiteral("Date:"), edtDate);
    form->addRow(QStringLiteral("Customer:"), cboCustomer);
    form->addRow(QStringLiteral("Currency:"), cboCurrency);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* resetButton =
        buttons->addButton(QStringLiteral("&Reset"), QDialogButtonBox::ResetRole);
    resetButton->setObjectName(QStringLiteral("btnReset"));
    connect(resetButton, &QPushButton::clicked, this, &TfrmARPaymentsFilter::reset);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(posted);
    layout->addWidget(buttons);
    reload();
}

void TfrmARPaymentsFilter::reload()
{
    fillCurrencyChoices(cboCurrency, db_);
    fillCustomerChoices(cboCustomer, db_);
}

void TfrmARPaymentsFilter::reset()
{
    edtDate->setDate(QDate());
    cboCustomer->setCurrentIndex(0);
    cboCurrency->setCurrentIndex(0);
    rbPostedAll->setChecked(true);
}

PaymentFilter TfrmARPaymentsFilter::filter() const
{
    PaymentFilter f;
    f.paymentDate = edtDate->date();
    f.customerId = chosenKey(cboCustomer);
    f.currencyId = chosenKey(cboCurrency);
    f.posted = rbPostedYes->isChecked()  ? FlagChoice::Yes
               : rbPostedNo->isChecked() ? FlagChoice::No
                                         : FlagChoice::All;
    return f;
}

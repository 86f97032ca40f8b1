#include "receivables/invoices/ui/frmarinvoicesfilter.h"

#include "common/ui/fontfactor.h"
#include "receivables/listing/ui/filterchoices.h"
#include "receivables/listing/ui/filterdialogparts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QRadioButton>

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
    posted_ = makeFlagChoice(QStringLiteral("Posted"), this);
    rbPostedYes = posted_.yes;
    rbPostedNo = posted_.no;
    rbPostedAll = posted_.all;

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Currency:"), cboCurrency);
    form->addRow(QStringLiteral("Customer:"), cboCustomer);
    form->addRow(QStringLiteral("Description:"), edtDescription);
    layOutFilterDialog(this, form, posted_.box, [this] { reset(); });
    reload();
    applyFontFactor(this);
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
    f.posted = chosenFlag(posted_);
    return f;
}

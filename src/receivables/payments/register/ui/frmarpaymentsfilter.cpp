#include "receivables/payments/register/ui/frmarpaymentsfilter.h"

#include "common/ui/dateentry.h"
#include "common/ui/fontfactor.h"
#include "receivables/listing/ui/filterchoices.h"
#include "receivables/listing/ui/filterdialogparts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QRadioButton>

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
    posted_ = makeFlagChoice(QStringLiteral("Posted"), this);
    rbPostedYes = posted_.yes;
    rbPostedNo = posted_.no;
    rbPostedAll = posted_.all;

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Date:"), edtDate);
    form->addRow(QStringLiteral("Customer:"), cboCustomer);
    form->addRow(QStringLiteral("Currency:"), cboCurrency);
    layOutFilterDialog(this, form, posted_.box, [this] { reset(); });
    reload();
    applyFontFactor(this);
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
    f.posted = chosenFlag(posted_);
    return f;
}

#include "masterdata/customers/ui/frmcustomersfilter.h"

#include "common/ui/fontfactor.h"
#include "masterdata/customers/ui/lookupclearing.h"
#include "receivables/listing/ui/filterchoices.h"

#include <QComboBox>
#include <QFormLayout>
#include <QRadioButton>

namespace
{
QComboBox* lookup(const char* name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    deleteKeyClears(box);
    return box;
}
} // namespace

TfrmCustomersFilter::TfrmCustomersFilter(Database& db, QWidget* parent) : QDialog(parent), db_(db)
{
    setObjectName(QStringLiteral("frmCustomersFilter"));
    setWindowTitle(QStringLiteral("Customers Filter"));
    cboCurrency = lookup("cboCurrency", this);
    cboType = lookup("cboType", this);
    cboSalesman = lookup("cboSalesman", this);
    suspended = makeFlagChoice(QStringLiteral("Suspended"), this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Currency:"), cboCurrency);
    form->addRow(QStringLiteral("Type:"), cboType);
    form->addRow(QStringLiteral("Salesman:"), cboSalesman);
    layOutFilterDialog(this, form, suspended.box, [this] { reset(); });
    reload();
    applyFontFactor(this);
}

void TfrmCustomersFilter::reload()
{
    const QString all = QStringLiteral("(all)");
    fillCurrencyChoices(cboCurrency, db_, all);
    fillCustomerTypeChoices(cboType, db_, all);
    fillSalesmanChoices(cboSalesman, db_, all);
}

void TfrmCustomersFilter::reset()
{
    cboCurrency->setCurrentIndex(0);
    cboType->setCurrentIndex(0);
    cboSalesman->setCurrentIndex(0);
    suspended.all->setChecked(true);
}

CustomerFilter TfrmCustomersFilter::filter() const
{
    CustomerFilter f;
    f.currencyId = chosenKey(cboCurrency);
    f.customerTypeId = chosenKey(cboType);
    f.salesmanId = chosenKey(cboSalesman);
    switch (chosenFlag(suspended)) {
    case FlagChoice::Yes:
        f.suspended = true;
        break;
    case FlagChoice::No:
        f.suspended = false;
        break;
    case FlagChoice::All:
        break;
    }
    return f;
}

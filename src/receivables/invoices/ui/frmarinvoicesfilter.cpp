#include "receivables/invoices/ui/frmarinvoicesfilter.h"

#include "engine/database.h"
#include "engine/statement.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{
// Fills a drop-down with "(all)" and then the rows' names, each holding its key.
void fill(QComboBox* box, Database& db, const QString& sql)
{
    const QVariant chosen = box->currentData();
    box->clear();
    box->addItem(QStringLiteral("(all)"));
    Statement s = db.query(sql);
    s.exec();
    while (s.next())
        box->addItem(s.text(1), s.value(0));
    box->setCurrentIndex(std::max(0, box->findData(chosen)));
}

std::optional<qint64> chosenKey(const QComboBox* box)
{
    const QVariant key = box->currentData();
    return key.isValid() ? std::optional<qint64>(key.toLongLong()) : std::nullopt;
}
} // namespace

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
    fill(cboCurrency, db_,
         QStringLiteral("SELECT CurrencyID, CurrencyName FROM Currency ORDER BY ") +
             db_.dialect().nocaseOrder(QStringLiteral("CurrencyName")));
    fill(cboCustomer, db_,
         QStringLiteral("SELECT CustomerID, ") +
             db_.dialect().concat({QStringLiteral("CustomerName"), QStringLiteral("'  ('"),
                                   QStringLiteral("CustomerNo"), QStringLiteral("')'")}) +
             QStringLiteral(" FROM Customer ORDER BY ") +
             db_.dialect().nocaseOrder(QStringLiteral("CustomerName")));
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

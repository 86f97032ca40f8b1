#include "receivables/payments/register/ui/frmarpaymentsfind.h"

#include "engine/database.h"
#include "engine/statement.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

TfrmARPaymentsFind::TfrmARPaymentsFind(Database& db, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmARPaymentsFind"));
    setWindowTitle(QStringLiteral("Find Cheque"));
    edtCustomerNo = new QLineEdit(this);
    edtCustomerNo->setObjectName(QStringLiteral("edtCustomerNo"));
    cboCustomer = new QComboBox(this);
    cboCustomer->setObjectName(QStringLiteral("cboCustomer"));
    cboCustomer->setMinimumWidth(260);
    cboCustomer->addItem(QString());
    Statement s =
        db.query(QStringLiteral("SELECT CustomerID, CustomerName FROM Customer ORDER BY ") +
                 db.dialect().nocaseOrder(QStringLiteral("CustomerName")));
    s.exec();
    while (s.next())
        cboCustomer->addItem(s.text(1), s.value(0));
    // Choosing from the list clears the typed number, and typing one clears the choice.
    connect(cboCustomer, &QComboBox::activated, this, [this](int index) {
        if (index > 0)
            edtCustomerNo->clear();
    });
    connect(edtCustomerNo, &QLineEdit::textEdited, this,
            [this] { cboCustomer->setCurrentIndex(0); });
    edtChequeNo = new QLineEdit(this);
    edtChequeNo->setObjectName(QStringLiteral("edtChequeNo"));
    edtChequeNo->setMaxLength(8);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Client/Funder no.:"), edtCustomerNo);
    form->addRow(QStringLiteral("or choose:"), cboCustomer);
    form->addRow(QStringLiteral("Check no.:"), edtChequeNo);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

ChequeFindRequest TfrmARPaymentsFind::request() const
{
    ChequeFindRequest r;
    const QVariant chosen = cboCustomer->currentData();
    if (chosen.isValid())
        r.customerId = chosen.toLongLong();
    else
        r.customerNoText = edtCustomerNo->text().trimmed();
    r.chequeNo = edtChequeNo->text().trimmed();
    return r;
}

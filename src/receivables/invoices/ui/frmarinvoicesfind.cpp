#include "receivables/invoices/ui/frmarinvoicesfind.h"

#include "engine/database.h"
#include "engine/statement.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

TfrmARInvoicesFind::TfrmARInvoicesFind(Database& db, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmARInvoicesFind"));
    setWindowTitle(QStringLiteral("Find Invoice"));
    edtCustomerNo = new QLineEdit(this);
    edtCustomerNo->setObjectName(QStringLiteral("edtCustomerNo"));
    cboCustomer = new QComboBox(this);
    cboCustomer->setObjectName(QStringLiteral("cboCustomer"));
    cboCustomer->setMinimumWidth(260);
    cboCustomer->addItem(QString());
    Statement s = db.query(QStringLiteral("SELECT CustomerID, CustomerNo, CustomerName FROM "
                                          "Customer ORDER BY ") +
                           db.dialect().nocaseOrder(QStringLiteral("CustomerName")));
    s.exec();
    while (s.next())
        cboCustomer->addItem(s.text(2), s.value(0));
    // Choosing from the list clears the typed number, and typing one clears the choice.
    connect(cboCustomer, &QComboBox::activated, this, [this](int index) {
        if (index > 0)
            edtCustomerNo->clear();
    });
    connect(edtCustomerNo, &QLineEdit::textEdited, this,
            [this] { cboCustomer->setCurrentIndex(0); });
    edtInvoiceNo = new QLineEdit(this);
    edtInvoiceNo->setObjectName(QStringLiteral("edtInvoiceNo"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Client/Funder no.:"), edtCustomerNo);
    form->addRow(QStringLiteral("or choose:"), cboCustomer);
    form->addRow(QStringLiteral("Invoice no.:"), edtInvoiceNo);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

FindRequest TfrmARInvoicesFind::request() const
{
    FindRequest r;
    const QVariant chosen = cboCustomer->currentData();
    if (chosen.isValid())
        r.customerId = chosen.toLongLong();
    else
        r.customerNoText = edtCustomerNo->text().trimmed();
    r.invoiceNo = edtInvoiceNo->text().trimmed();
    return r;
}

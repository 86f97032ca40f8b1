#include "receivables/listing/ui/listfinddialog.h"

#include "common/ui/fontfactor.h"
#include "engine/database.h"
#include "engine/statement.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

ListFindDialog::ListFindDialog(Database& db, const QString& numberLabel, QWidget* parent)
    : QDialog(parent)
{
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
    edtNumber = new QLineEdit(this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Client/Funder no.:"), edtCustomerNo);
    form->addRow(QStringLiteral("or choose:"), cboCustomer);
    form->addRow(numberLabel, edtNumber);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    applyFontFactor(this);
}

ListFindRequest ListFindDialog::request() const
{
    ListFindRequest r;
    const QVariant chosen = cboCustomer->currentData();
    if (chosen.isValid())
        r.customerId = chosen.toLongLong();
    else
        r.customerNoText = edtCustomerNo->text().trimmed();
    r.number = edtNumber->text().trimmed();
    return r;
}

#include "receivables/ui/customerboxes.h"

#include "data/lookups.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

QHBoxLayout* makeCustomerBoxes(QWidget* parent, QLineEdit*& editCustomerNo, QComboBox*& cboCustomer)
{
    editCustomerNo = new QLineEdit(parent);
    editCustomerNo->setObjectName(QStringLiteral("editCustomerNo"));
    editCustomerNo->setMaxLength(10);
    editCustomerNo->setMaximumWidth(110);
    cboCustomer = new QComboBox(parent);
    cboCustomer->setObjectName(QStringLiteral("cboCustomer"));
    cboCustomer->setMinimumWidth(260);
    auto* row = new QHBoxLayout;
    row->addWidget(editCustomerNo);
    row->addWidget(cboCustomer, 1);
    return row;
}

void offerCustomerList(QPushButton* button, bool available)
{
    button->setEnabled(available);
    button->setToolTip(available ? QStringLiteral("Open the customer list at this customer")
                                 : QStringLiteral("The customer list is not available here"));
}

void fillCustomerPickList(QComboBox* box, TdmLookUps& lookups)
{
    lookups.tblCustomer->open();
    box->addItem(QString());
    for (int row = 0; row < lookups.tblCustomer->rowCount(); ++row)
        box->addItem(
            QStringLiteral("%1  (%2)")
                .arg(lookups.tblCustomer->value(row, QStringLiteral("CustomerName")).toString(),
                     lookups.tblCustomer->value(row, QStringLiteral("CustomerNo")).toString()),
            lookups.tblCustomer->value(row, QStringLiteral("CustomerID")));
}

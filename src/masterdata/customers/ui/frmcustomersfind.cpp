#include "masterdata/customers/ui/frmcustomersfind.h"

#include "common/ui/dialogbuttons.h"
#include "common/ui/fontfactor.h"
#include "engine/database.h"
#include "masterdata/customers/customerrecord.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmCustomersFind::TfrmCustomersFind(Database& db, std::function<bool(qint64)> moveTo,
                                     QWidget* parent)
    : QDialog(parent), db_(db), moveTo_(std::move(moveTo)), dialogs_(this)
{
    setObjectName(QStringLiteral("frmCustomersFind"));
    setWindowTitle(QStringLiteral("Find Customer"));
    edtCustomerNo = new QLineEdit(this);
    edtCustomerNo->setObjectName(QStringLiteral("edtCustomerNo"));
    cboName = new QComboBox(this);
    cboName->setObjectName(QStringLiteral("cboName"));
    cboName->setMinimumWidth(260);
    cboName->addItem(QString());
    Statement s =
        db.query(QStringLiteral("SELECT CustomerID, CustomerName FROM Customer ORDER BY ") +
                 db.dialect().nocaseOrder(QStringLiteral("CustomerName")));
    s.exec();
    while (s.next())
        cboName->addItem(s.text(1), s.value(0));
    // Choosing a name clears the typed number, and typing one clears the choice.
    connect(cboName, &QComboBox::activated, this, [this](int index) {
        if (index > 0)
            edtCustomerNo->clear();
    });
    connect(edtCustomerNo, &QLineEdit::textEdited, this, [this] { cboName->setCurrentIndex(0); });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Customer no."), edtCustomerNo);
    form->addRow(QStringLiteral("Name"), cboName);
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QDialogButtonBox* buttons = makeDialogOkCancel(this, ok, cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    applyFontFactor(this);
}

void TfrmCustomersFind::accept()
{
    const QVariant chosen = cboName->currentData();
    if (chosen.isValid()) {
        if (moveTo_(chosen.toLongLong())) {
            QDialog::accept();
            return;
        }
        dialogs_.inform(Dialogs::Kind::Information, QStringLiteral("'") + cboName->currentText() +
                                                        QStringLiteral("'") +
                                                        QStringLiteral(" not found"));
        cboName->setFocus();
        return;
    }
    const QString number = edtCustomerNo->text().trimmed();
    if (number.isEmpty()) {
        QDialog::reject();
        return;
    }
    const std::optional<qint64> id = customerIdByNo(db_, number);
    if (id && moveTo_(*id)) {
        QDialog::accept();
        return;
    }
    dialogs_.inform(Dialogs::Kind::Information,
                    QStringLiteral("Client ID ") + number + QStringLiteral(" not found"));
    edtCustomerNo->setFocus();
}

#include "masterdata/customers/ui/frmcustomer.h"

#include "common/formats.h"
#include "common/money.h"
#include "common/ui/fontfactor.h"
#include "common/ui/keyboard.h"
#include "common/ui/windowparts.h"
#include "data/artables.h"
#include "engine/dberror.h"
#include "masterdata/customers/customerfields.h"
#include "masterdata/customers/customersave.h"
#include "masterdata/customers/ui/lookupclearing.h"
#include "masterdata/customers/webpageentry.h"
#include "receivables/listing/ui/filterchoices.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace
{
const QString kNewCaption = QStringLiteral("New Customer");

// The text a box shows for a stored value of the field's kind.
QString shownText(CustomerFieldKind kind, const QVariant& value)
{
    if (value.isNull())
        return {};
    switch (kind) {
    case CustomerFieldKind::Amount:
        return formatFloat(kMoneyFormat, Money::fromRaw(value.toLongLong()));
    case CustomerFieldKind::Percent:
        return QString::number(value.toDouble());
    default:
        return value.toString();
    }
}
} // namespace

TfrmCustomer::TfrmCustomer(Database& db, QWidget* parent)
    : QWidget(parent, Qt::Window), db_(db), messageBoxes_(this), dialogs_(&messageBoxes_)
{
    setObjectName(QStringLiteral("frmCustomer"));
    openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    pgcCustomer = new QTabWidget(this);
    pgcCustomer->setObjectName(QStringLiteral("pgcCustomer"));
    pgcCustomer->addTab(buildAddressPage(), QStringLiteral("Address"));
    pgcCustomer->addTab(buildDeliverToPage(), QStringLiteral("Deliver-to"));
    pgcCustomer->addTab(buildTermsPage(), QStringLiteral("Terms, etc."));
    pgcCustomer->addTab(buildSalesPage(), QStringLiteral("Sales"));
    pgcCustomer->addTab(buildNotesPage(), QStringLiteral("Notes"));

    QHBoxLayout* okRow = makeOkCancel(this, btnOK, btnCancel);
    btnOK->setText(QStringLiteral("&OK"));
    btnCancel->setText(QStringLiteral("&Cancel"));
    connect(btnOK, &QPushButton::clicked, this, [this] {
        if (save()) {
            closing_ = true;
            close();
        }
    });
    connect(btnCancel, &QPushButton::clicked, this, [this] {
        closing_ = true;
        close();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pgcCustomer);
    layout->addLayout(okRow);
    fillLookups();
    resize(560, 480);
    applyFontFactor(this);
}

QLineEdit* TfrmCustomer::lineFor(const QString& field)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("edt") + field);
    if (const FieldDef* def = ar::customer().field(field); def && def->size > 0)
        edit->setMaxLength(field == QLatin1String("WebPage") ? 250 : def->size);
    fieldWidgets.insert(field, edit);
    connect(edit, &QLineEdit::textEdited, this, [this] { markModified(); });
    enterMovesToNextControl(edit);
    return edit;
}

QComboBox* TfrmCustomer::lookupFor(const QString& field, const QString& table)
{
    auto* box = new QComboBox(this);
    box->setObjectName(QStringLiteral("cbo") + field);
    box->setProperty("codeTable", table);
    deleteKeyClears(box);
    fieldWidgets.insert(field, box);
    connect(box, &QComboBox::currentIndexChanged, this, [this] { markModified(); });
    return box;
}

QPushButton* TfrmCustomer::buttonBeside(const char* name, const QString& text, QWidget* field)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setFocusPolicy(Qt::NoFocus);
    button->setMaximumWidth(60);
    if (auto* box = qobject_cast<QComboBox*>(field)) {
        connect(button, &QPushButton::clicked, this, [this, box] {
            if (openCodeTable)
                openCodeTable(box->property("codeTable").toString(),
                              box->currentData().toLongLong());
        });
    }
    return button;
}

namespace
{
QHBoxLayout* besides(QWidget* field, QWidget* button)
{
    auto* row = new QHBoxLayout;
    row->addWidget(field, 1);
    row->addWidget(button);
    return row;
}
} // namespace

QWidget* TfrmCustomer::buildAddressPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tsAddress"));
    auto* form = new QFormLayout(page);
    edtCustomerNo = new QLineEdit(this);
    edtCustomerNo->setObjectName(QStringLiteral("edtCustomerNo"));
    edtCustomerNo->setReadOnly(true);
    fieldWidgets.insert(QStringLiteral("CustomerNo"), edtCustomerNo);
    enterMovesToNextControl(edtCustomerNo);
    form->addRow(QStringLiteral("Client ID:"), edtCustomerNo);
    QLineEdit* name = lineFor(QStringLiteral("CustomerName"));
    connect(name, &QLineEdit::textEdited, this, [this] { updateCaption(); });
    form->addRow(QStringLiteral("Name:"), name);
    auto* address = new QVBoxLayout;
    for (const char* field :
         {"AddressLine1", "AddressLine2", "City", "StateProv", "ZipCode", "Country"})
        address->addWidget(lineFor(QString::fromLatin1(field)));
    form->addRow(QStringLiteral("Address:"), address);
    QLineEdit* phone = lineFor(QStringLiteral("Phone"));
    btnDial = buttonBeside("btnDial", QStringLiteral("Dial"), phone);
    form->addRow(QStringLiteral("Phone:"), besides(phone, btnDial));
    form->addRow(QStringLiteral("Fax:"), lineFor(QStringLiteral("Fax")));
    form->addRow(QStringLiteral("Contact/Bill-To:"), lineFor(QStringLiteral("Contact")));
    QLineEdit* mail = lineFor(QStringLiteral("EMail"));
    btnMail = buttonBeside("btnMail", QStringLiteral("Mail"), mail);
    form->addRow(QStringLiteral("E-Mail:"), besides(mail, btnMail));
    QLineEdit* web = lineFor(QStringLiteral("WebPage"));
    btnWeb = buttonBeside("btnWeb", QStringLiteral("Web"), web);
    form->addRow(QStringLiteral("Web Page:"), besides(web, btnWeb));
    auto* suspended = new QCheckBox(QStringLiteral("Suspended"), this);
    suspended->setObjectName(QStringLiteral("chkSuspended"));
    suspended->setToolTip(QStringLiteral("No further invoices may be entered"));
    fieldWidgets.insert(QStringLiteral("Suspended"), suspended);
    connect(suspended, &QCheckBox::toggled, this, [this] { markModified(); });
    form->addRow(QString(), suspended);

    for (QLineEdit* edit : {phone, mail, web})
        connect(edit, &QLineEdit::textChanged, this, [this] { updateButtons(); });
    // The stored address keeps only what follows "http://".
    connect(web, &QLineEdit::editingFinished, this,
            [web] { web->setText(webPageFromEntry(web->text())); });
    connect(btnDial, &QPushButton::clicked, this, [this, phone] {
        if (dial)
            dial(phone->text());
    });
    connect(btnMail, &QPushButton::clicked, this,
            [this, mail] { openUrl(QUrl(QStringLiteral("mailto:") + mail->text())); });
    connect(btnWeb, &QPushButton::clicked, this,
            [this, web] { openUrl(QUrl(webPageAddress(webPageFromEntry(web->text())))); });
    return page;
}

QWidget* TfrmCustomer::buildDeliverToPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tsDeliverTo"));
    grpDeliverTo = new QGroupBox(QStringLiteral("Deliver-to (if different)"), page);
    grpDeliverTo->setObjectName(QStringLiteral("grpDeliverTo"));
    auto* form = new QFormLayout(grpDeliverTo);
    form->addRow(QStringLiteral("Client:"), lineFor(QStringLiteral("ShipToName")));
    auto* address = new QVBoxLayout;
    for (const char* field : {"ShipToAddressLine1", "ShipToAddressLine2", "ShipToCity",
                              "ShipToStateProv", "ShipToZipCode", "ShipToCountry"})
        address->addWidget(lineFor(QString::fromLatin1(field)));
    form->addRow(QStringLiteral("Address:"), address);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(grpDeliverTo);
    layout->addStretch();
    return page;
}

QWidget* TfrmCustomer::buildTermsPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tsTerms"));
    auto* terms = new QGroupBox(QStringLiteral("Terms"), page);
    auto* termsForm = new QFormLayout(terms);
    termsForm->addRow(QStringLiteral("Discount %:"), lineFor(QStringLiteral("DiscPC")));
    termsForm->addRow(QStringLiteral("Discount days:"), lineFor(QStringLiteral("DiscDays")));
    termsForm->addRow(QStringLiteral("Net days:"), lineFor(QStringLiteral("NetDays")));
    termsForm->addRow(QStringLiteral("Credit Limit:"), lineFor(QStringLiteral("CreditLimit")));
    auto* other = new QGroupBox(QStringLiteral("Other"), page);
    auto* otherForm = new QFormLayout(other);
    QComboBox* currency = lookupFor(QStringLiteral("CurrencyID"), QStringLiteral("Currency"));
    // The currency of a customer with invoices stays as it is.
    connect(currency, &QComboBox::activated, this, [this] { changeCurrency(); });
    otherForm->addRow(
        QStringLiteral("Currency:"),
        besides(currency, buttonBeside("btnCurrency", QStringLiteral("..."), currency)));
    auto* message = new QPlainTextEdit(this);
    message->setObjectName(QStringLiteral("memCustomerMessage"));
    message->setTabChangesFocus(true);
    message->setMaximumHeight(70);
    fieldWidgets.insert(QStringLiteral("CustomerMessage"), message);
    connect(message, &QPlainTextEdit::textChanged, this, [this] { markModified(); });
    otherForm->addRow(QStringLiteral("Message:"), message);
    auto* statements = new QCheckBox(this);
    statements->setObjectName(QStringLiteral("chkPrintStatement"));
    fieldWidgets.insert(QStringLiteral("PrintStatement"), statements);
    connect(statements, &QCheckBox::toggled, this, [this] { markModified(); });
    otherForm->addRow(QStringLiteral("Print Statements:"), statements);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(terms);
    layout->addWidget(other);
    layout->addStretch();
    return page;
}

QWidget* TfrmCustomer::buildSalesPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tsSales"));
    auto* taxes = new QGroupBox(QStringLiteral("Taxes"), page);
    auto* taxForm = new QFormLayout(taxes);
    QComboBox* tax1 = lookupFor(QStringLiteral("Tax1ID"), QStringLiteral("Tax"));
    taxForm->addRow(QStringLiteral("Tax 1:"),
                    besides(tax1, buttonBeside("btnTax1", QStringLiteral("..."), tax1)));
    taxForm->addRow(QStringLiteral("Exemption no.:"), lineFor(QStringLiteral("Tax1ExemptionNo")));
    QComboBox* tax2 = lookupFor(QStringLiteral("Tax2ID"), QStringLiteral("Tax"));
    taxForm->addRow(QStringLiteral("Tax 2:"),
                    besides(tax2, buttonBeside("btnTax2", QStringLiteral("..."), tax2)));
    taxForm->addRow(QStringLiteral("Exemption no.:"), lineFor(QStringLiteral("Tax2ExemptionNo")));
    taxForm->addRow(QStringLiteral("Tax no./Business no.:"), lineFor(QStringLiteral("TaxNo")));
    auto* other = new QGroupBox(QStringLiteral("Other"), page);
    auto* otherForm = new QFormLayout(other);
    QComboBox* salesman = lookupFor(QStringLiteral("SalesmanID"), QStringLiteral("Salesman"));
    otherForm->addRow(
        QStringLiteral("Internal Contact:"),
        besides(salesman, buttonBeside("btnSalesman", QStringLiteral("..."), salesman)));
    QComboBox* type = lookupFor(QStringLiteral("CustomerTypeID"), QStringLiteral("CusType"));
    otherForm->addRow(QStringLiteral("Customer Type:"),
                      besides(type, buttonBeside("btnCustomerType", QStringLiteral("..."), type)));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(taxes);
    layout->addWidget(other);
    layout->addStretch();
    return page;
}

QWidget* TfrmCustomer::buildNotesPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tsNotes"));
    auto* notes = new QPlainTextEdit(page);
    notes->setObjectName(QStringLiteral("memNotes"));
    notes->setTabChangesFocus(true);
    fieldWidgets.insert(QStringLiteral("Notes"), notes);
    connect(notes, &QPlainTextEdit::textChanged, this, [this] { markModified(); });
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(notes);
    return page;
}

void TfrmCustomer::fillLookups()
{
    const QString blank;
    fillCurrencyChoices(qobject_cast<QComboBox*>(fieldWidgets.value(QStringLiteral("CurrencyID"))),
                        db_, blank);
    fillTaxChoices(qobject_cast<QComboBox*>(fieldWidgets.value(QStringLiteral("Tax1ID"))), db_,
                   blank);
    fillTaxChoices(qobject_cast<QComboBox*>(fieldWidgets.value(QStringLiteral("Tax2ID"))), db_,
                   blank);
    fillSalesmanChoices(qobject_cast<QComboBox*>(fieldWidgets.value(QStringLiteral("SalesmanID"))),
                        db_, blank);
    fillCustomerTypeChoices(
        qobject_cast<QComboBox*>(fieldWidgets.value(QStringLiteral("CustomerTypeID"))), db_, blank);
}

bool TfrmCustomer::openNew()
{
    try {
        record_ = newCustomer(db_);
    } catch (const DbError& e) {
        dialogs_->inform(Dialogs::Kind::Error, e.message());
        return false;
    }
    showRecord();
    return true;
}

bool TfrmCustomer::openExisting(qint64 customerId)
{
    std::optional<CustomerRecord> stored = loadCustomer(db_, customerId);
    if (!stored)
        return false;
    record_ = std::move(*stored);
    showRecord();
    return true;
}

void TfrmCustomer::showRecord()
{
    showing_ = true;
    edtCustomerNo->setText(record_.text(QStringLiteral("CustomerNo")));
    for (const CustomerField& field : editableCustomerFields()) {
        QWidget* w = fieldWidgets.value(field.name);
        const QVariant value = record_.values.value(field.name);
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            edit->setText(shownText(field.kind, value));
        } else if (auto* box = qobject_cast<QComboBox*>(w)) {
            const int at = value.isNull() ? 0 : box->findData(value.toLongLong());
            // A key no longer in its table shows blank; saving says so.
            box->setCurrentIndex(std::max(0, at));
        } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
            check->setChecked(value.toBool());
        } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
            memo->setPlainText(value.toString());
        }
    }
    grpDeliverTo->setVisible(record_.text(QStringLiteral("CustomerType")) != QLatin1String("F"));
    pgcCustomer->setCurrentIndex(0);
    edtCustomerNo->setFocus();
    modified_ = false;
    showing_ = false;
    updateCaption();
    updateButtons();
}

void TfrmCustomer::markModified()
{
    if (!showing_)
        modified_ = true;
}

void TfrmCustomer::updateCaption()
{
    const QString name =
        qobject_cast<QLineEdit*>(fieldWidgets.value(QStringLiteral("CustomerName")))->text();
    setWindowTitle(record_.inserting && name.isEmpty() ? kNewCaption
                   : name.isEmpty()                    ? QStringLiteral("Customer")
                                                       : name);
}

void TfrmCustomer::updateButtons()
{
    const auto filled = [this](const char* field) {
        return !qobject_cast<QLineEdit*>(fieldWidgets.value(QString::fromLatin1(field)))
                    ->text()
                    .trimmed()
                    .isEmpty();
    };
    btnDial->setEnabled(filled("Phone") && bool(dial));
    btnMail->setEnabled(filled("EMail"));
    btnWeb->setEnabled(filled("WebPage"));
    for (const char* name : {"btnCurrency", "btnTax1", "btnTax2", "btnSalesman", "btnCustomerType"})
        findChild<QPushButton*>(QString::fromLatin1(name))->setEnabled(bool(openCodeTable));
}

void TfrmCustomer::changeCurrency()
{
    auto* box = qobject_cast<QComboBox*>(fieldWidgets.value(QStringLiteral("CurrencyID")));
    const CustomerCheck refused =
        currencyChangeRefusal(db_, record_, box->currentData().toLongLong());
    if (!refused)
        return;
    showing_ = true;
    box->setCurrentIndex(std::max(0, box->findData(record_.savedCurrencyId.value_or(0))));
    showing_ = false;
    refuse(*refused);
}

void TfrmCustomer::refuse(const CustomerRefusal& refusal)
{
    dialogs_->inform(Dialogs::Kind::Error, refusal.message);
    QWidget* field = fieldWidgets.value(refusal.field);
    if (!field)
        return;
    for (int page = 0; page < pgcCustomer->count(); ++page)
        if (pgcCustomer->widget(page)->isAncestorOf(field))
            pgcCustomer->setCurrentIndex(page);
    field->setFocus();
}

bool TfrmCustomer::takeBoxes()
{
    for (const CustomerField& field : editableCustomerFields()) {
        QWidget* w = fieldWidgets.value(field.name);
        QVariant value;
        QString wrong;
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            value = customerFieldValue(field, edit->text(), &wrong);
        } else if (auto* box = qobject_cast<QComboBox*>(w)) {
            value = box->currentData();
        } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
            value = check->isChecked();
        } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
            value = customerFieldValue(field, memo->toPlainText(), &wrong);
        }
        if (!wrong.isEmpty()) {
            refuse({wrong, field.name});
            return false;
        }
        if (const CustomerCheck refused = setCustomerField(db_, record_, field, value)) {
            refuse(*refused);
            return false;
        }
    }
    return true;
}

bool TfrmCustomer::save()
{
    if (!takeBoxes())
        return false;
    try {
        if (const CustomerCheck refused = saveCustomer(db_, record_)) {
            refuse(*refused);
            return false;
        }
    } catch (const DbError& e) {
        dialogs_->inform(Dialogs::Kind::Error, e.message());
        return false;
    }
    modified_ = false;
    Q_EMIT customerStored(record_.customerId());
    return true;
}

void TfrmCustomer::closeEvent(QCloseEvent* event)
{
    // OK has saved and Cancel drops what was typed: neither asks.
    if (closing_) {
        event->accept();
        return;
    }
    answerCloseBox(
        event, *dialogs_, modified_, record_.inserting && !modified_, [this] { return save(); },
        [] {});
}

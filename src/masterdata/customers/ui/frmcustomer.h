#pragma once
// "Customer": one customer's record on five pages (Address, Deliver-to, Terms, Sales, Notes),
// opened new or on a stored customer. OK saves through the customer rules, each refusal bringing
// its field's page forward; closing with changes asks whether to save them.

#include "common/ui/messageboxdialogs.h"
#include "masterdata/customers/customerrecord.h"
#include "masterdata/customers/customerrefusal.h"

#include <QHash>
#include <QWidget>
#include <functional>

class Database;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QUrl;

class TfrmCustomer : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmCustomer(Database& db, QWidget* parent = nullptr);

    // Lent by the list and the console; a button whose hook is unset stays disabled.
    std::function<void(const QString& phone)> dial;
    std::function<void(const QUrl& url)> openUrl; // the desktop's browser and mail by default
    // The code-table list ("Currency", "Tax", "Salesman", "CusType") positioned on the key.
    std::function<void(const QString& table, qint64 key)> openCodeTable;
    // The messages; message boxes unless a test lends its own.
    void setDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }

    // A new customer numbered from the counters; false (after its message) when none is drawn.
    bool openNew();
    // False when the customer is no longer there.
    bool openExisting(qint64 customerId);
    // OK: saves and closes; a refusal keeps the window open at the field.
    bool save();
    bool isModified() const { return modified_; }
    const CustomerRecord& record() const { return record_; }

    QTabWidget* pgcCustomer;
    QLineEdit* edtCustomerNo;
    QGroupBox* grpDeliverTo;
    QPushButton* btnDial;
    QPushButton* btnWeb;
    QPushButton* btnMail;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QHash<QString, QWidget*> fieldWidgets; // by Customer field name

Q_SIGNALS:
    void customerStored(qint64 customerId);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildAddressPage();
    QWidget* buildDeliverToPage();
    QWidget* buildTermsPage();
    QWidget* buildSalesPage();
    QWidget* buildNotesPage();
    QLineEdit* lineFor(const QString& field);
    QComboBox* lookupFor(const QString& field, const QString& table);
    QPushButton* buttonBeside(const char* name, const QString& text, QWidget* field);
    void fillLookups();
    void showRecord();
    // The boxes into the record; false after a refusal is shown.
    bool takeBoxes();
    void refuse(const CustomerRefusal& refusal);
    void changeCurrency();
    void updateCaption();
    void updateButtons();
    void markModified();

    Database& db_;
    MessageBoxDialogs messageBoxes_;
    Dialogs* dialogs_;
    CustomerRecord record_;
    bool modified_ = false;
    bool showing_ = false;
    bool closing_ = false;
};

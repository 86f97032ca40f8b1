#pragma once
// The payment window: one customer cheque and the invoices it pays, over the payment document.
// The window gathers what is typed and shows what the document makes of it; every rule is the
// document's. While a payment window exists, payment posting refuses to run
// (paymentWindowOpen()).

#include "common/ui/messageboxdialogs.h"
#include "receivables/payments/paymentrefusal.h"
#include "receivables/payments/posting/ui/paymentwindowopen.h"

#include <QWidget>
#include <functional>
#include <memory>

class AllocationGrid;
class AllocationLinesModel;
class Database;
class DateEntry;
class PaymentDocument;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TdmLookUps;

class TfrmARPayment : public QWidget
{
    Q_OBJECT
public:
    TfrmARPayment(Database& db, TdmLookUps& lookups, QWidget* parent = nullptr);
    ~TfrmARPayment() override;

    // A shown window over a new payment (its key drawn at once).
    static TfrmARPayment* showNew(Database& db, TdmLookUps& lookups, QWidget* parent = nullptr);
    // A shown window over a stored payment; nullptr when there is none with that key.
    static TfrmARPayment* showExisting(Database& db, TdmLookUps& lookups, qint64 paymentId,
                                       QWidget* parent = nullptr);

    void openNew();
    // False when there is no payment with that key.
    bool openExisting(qint64 paymentId);
    PaymentDocument* document() const { return document_.get(); }
    Dialogs& dialogs() { return dialogs_; }

    // How the customer list and the bank list are opened from the "Client:" and "Bank:"
    // buttons, positioned on the payment's customer or bank (0: none). Until given, the
    // buttons stay disabled.
    std::function<void(qint64 customerId)> openCustomerList;
    std::function<void(qint64 bankId)> openBankList;
    // Enables the buttons whose lists are given.
    void updateListButtons();

    QPushButton* btnCustomer;
    QLineEdit* editCustomerNo;
    QComboBox* cboCustomer;
    QLabel* lblAddress;
    QPushButton* btnBank;
    QComboBox* cboBank;
    QLineEdit* editChequeNo;
    DateEntry* dateCheque;
    QSpinBox* spinPeriod;
    QLineEdit* editYear;
    QLineEdit* editChequeAmount;
    QLabel* lblReconciled;
    QLabel* lblPosted;
    AllocationGrid* grid;
    QLabel* lblAllocated;
    QLabel* lblKeys;
    QPushButton* btnOK;
    QPushButton* btnCancel;

Q_SIGNALS:
    // OK wrote the payment: the register moves its cursor to it.
    void paymentStored(qint64 paymentId);

public Q_SLOTS:
    void btnOKClick();
    void btnCancelClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildHeader();
    void buildGrid();
    void loadPickLists();
    void attach(std::unique_ptr<PaymentDocument> document);
    void showDocument();
    // Runs a change on the document: a refusal is shown and the cursor goes where it points;
    // an abandoned store only moves the cursor. The screen then shows the document again.
    bool apply(const std::function<void()>& change);
    void focusOn(PaymentField field);
    // The customer number typed so far, taken as on leaving the box; false when refused.
    bool takeCustomerNo();
    bool takeChequeAmount();
    // Page Down or Enter from the last header box: into the lines.
    void enterLines();
    void appendLine();
    void deleteLine();
    void cancelLine();
    void leaveRow(int fromRow);
    void advanceInGrid();
    // A fill command on the current line, after what is typed into its cell is taken.
    void fillLine(void (PaymentDocument::*command)());
    void refusePostedChange();
    bool saveAndReport();

    Database& db_;
    TdmLookUps& lookups_;
    MessageBoxDialogs dialogs_;
    std::unique_ptr<PaymentDocument> document_;
    AllocationLinesModel* lines_ = nullptr;
    PaymentField lastFocus_ = PaymentField::None;
    bool closing_ = false;
    bool showing_ = false;
    bool takingCustomerNo_ = false;
    QString refusedCustomerNo_;
    OpenPaymentWindow openMark_;
};

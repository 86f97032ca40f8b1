#pragma once
// "AR Payments": the register of every AR payment (cheque), from which the bookkeeper creates,
// opens, deletes, finds, filters, reconciles and posts payments. The rules are the register's
// (src/receivables/payments/register); the window keeps the view and offers the commands.

#include "common/ui/messageboxdialogs.h"
#include "receivables/payments/register/paymentlist.h"
#include "reports/registerlists/timeperiodlists.h"

#include <QWidget>
#include <functional>
#include <optional>

class Database;
class QAction;
class QLabel;
class QTableView;
class PaymentRegisterModel;
class TfrmARPaymentsFilter;

class TfrmARPayments : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmARPayments(Database& db, QWidget* parent = nullptr);
    ~TfrmARPayments() override;

    // What the console lends the register; a command whose screen is missing stays disabled.
    // Opens the payment window on a new payment (none) or a stored one. The window stays open
    // beside the register; each time it stores the payment it calls showStoredPayment.
    std::function<void(std::optional<qint64> paymentId)> openPayment;
    std::function<bool()> openPosting; // true when payments were posted
    std::function<void(qint64 customerId)> openCustomerList;
    std::function<void(const QString& phone, const QString& name)> dial;
    // Opens an e-mail message; the desktop's mail program by default.
    std::function<void(const QString& address)> sendMail;
    // Where the time-period list templates are kept (the database's directory); without it
    // those two commands stay disabled.
    QString templateDirectory;

    PaymentView view() const { return view_; }
    qint64 currentPaymentId() const;
    const PaymentRow* currentRow() const;
    // Makes the payment the current row when the list shows it.
    bool moveTo(qint64 paymentId);
    // Re-reads the list, keeping the current payment where it can.
    void refresh();
    // A payment window stored this payment: the list is read again and moves to it.
    void showStoredPayment(qint64 paymentId);
    // Clears the filter dialog's choices and the Outstanding toggle and shows every payment
    // (the console's Edit Payments).
    void resetFilter();
    void setOutstanding(bool on);
    void setFilter(const PaymentFilter& filter);
    void setOrder(PaymentOrder order);
    // Enables each command for the current payment and the lent screens.
    void updateCommands();

    // The commands, for the menus, the buttons, the console and the tests.
    void newPayment();
    void editPayment();
    void deletePayment();
    void find();
    void post();
    void toggleReconciled();
    void filter();
    // "AR Payments" over the payments the list shows, in the preview.
    void printFilteredList();
    // A list of the payments dated in a period, by date or by customer number.
    void printInTimePeriod(reports::TimePeriodList list);

    QTableView* grdPayments;
    QLabel* lblStatus;
    QAction* actNew;
    QAction* actEdit;
    QAction* actDelete;
    QAction* actFind;
    QAction* actPost;
    QAction* mnuReconciled;
    QAction* mnuOutstanding;
    QAction* mnuFilter;
    QAction* actSortDate;
    QAction* actSortCheque;
    QAction* actCustomer;
    QAction* actRefresh;
    QAction* actPhone;
    QAction* actEMail;
    QAction* actPrintFiltered;
    QAction* actPrintByDate;
    QAction* actPrintById;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildActions();
    void buildMenusAndButtons();
    void openPaymentWindow(std::optional<qint64> paymentId);
    bool printerReady();

    Database& db_;
    MessageBoxDialogs dialogs_;
    PaymentView view_;
    PaymentRegisterModel* model_;
    TfrmARPaymentsFilter* filterDialog_;
};

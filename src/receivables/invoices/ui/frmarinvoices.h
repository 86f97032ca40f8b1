#pragma once
// "AR Invoices": the register of every AR invoice, from which the bookkeeper creates, opens,
// copies, deletes, finds, filters, prints and posts invoices. The rules are the register's
// (src/receivables/invoices/register); the window keeps the view and offers the commands.

#include "common/ui/messageboxdialogs.h"
#include "receivables/invoices/register/registerlist.h"
#include "reports/registerlists/timeperiodlists.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class Database;
class QAction;
class QLabel;
class QTableView;
class RegisterModel;
class TdmLookUps;
class TfrmARInvoice;
class TfrmARInvoicePayments;
class TfrmARInvoicesFilter;

class TfrmARInvoices : public QWidget
{
    Q_OBJECT
public:
    TfrmARInvoices(Database& db, TdmLookUps& lookups, QString databaseDirectory,
                   QWidget* parent = nullptr);
    ~TfrmARInvoices() override;

    // What the console lends the register; a command whose screen is missing stays disabled.
    std::function<QString()> userName; // for the History entry
    std::function<bool()> openPosting; // true when invoices were posted
    std::function<void(qint64 customerId)> openCustomerList;
    std::function<void(const QString& phone, const QString& name)> dial;
    // Opens an e-mail message; the desktop's mail program by default.
    std::function<void(const QString& address)> sendMail;

    RegisterView view() const { return view_; }
    qint64 currentInvoiceId() const;
    const RegisterRow* currentRow() const;
    // Makes the invoice the current row when the list shows it.
    bool moveTo(qint64 invoiceId);
    // Re-reads the list, keeping the current invoice where it can.
    void refresh();
    // Clears the filter dialog's choices and shows every invoice (the console's Edit Invoices).
    void resetFilter();
    void setOutstanding(bool on);
    void setFilter(const RegisterFilter& filter);
    void setOrder(RegisterOrder order);
    // Enables each command for the current invoice and the lent screens.
    void updateCommands();

    // The commands, for the menus, the buttons, the console and the tests.
    void newInvoice();
    void editInvoice();
    void deleteSelectedInvoice();
    void deleteByDate();
    void copyInvoice();
    void find();
    void post();
    void filter();
    void showPayments();
    void printSelectedInvoice();
    void printUnprintedInvoices();
    void printSetup();
    // "AR Invoices" over the invoices the list shows, in the preview.
    void printList();
    // A list of the invoices dated in a period, by customer number or name.
    void printListInTimePeriod(reports::TimePeriodList list);

    QTableView* grdInvoices;
    QLabel* lblStatus;
    QAction* actNew;
    QAction* actEdit;
    QAction* actDeleteSelected;
    QAction* actDeleteDate;
    QAction* actCopy;
    QAction* actFind;
    QAction* actPost;
    QAction* mnuOutstanding;
    QAction* mnuFilter;
    QAction* actSortDate;
    QAction* actSortNumber;
    QAction* actCustomer;
    QAction* actPayments;
    QAction* actRefresh;
    QAction* actPhone;
    QAction* actEMail;
    QAction* actPrintSelected;
    QAction* actPrintUnprinted;
    QAction* actPrintSetup;
    QAction* actPrintList;
    QAction* actPrintPeriodById;
    QAction* actPrintPeriodByName;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildActions();
    void buildMenusAndButtons();
    void updateCaption();
    TfrmARInvoice* openInvoiceWindow();
    bool printerReady();

    Database& db_;
    TdmLookUps& lookups_;
    QString directory_;
    MessageBoxDialogs dialogs_;
    RegisterView view_;
    RegisterModel* model_;
    TfrmARInvoicesFilter* filterDialog_;
    QPointer<TfrmARInvoicePayments> payments_;
};

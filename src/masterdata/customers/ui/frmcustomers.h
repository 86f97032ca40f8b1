#pragma once
// "Clients and Funders": the customer list, from which the bookkeeper adds, edits, deletes,
// finds, filters and prints customers, and opens their invoices and payments. The rules are in
// src/masterdata/customers; the window keeps the view and offers the commands.

#include "common/ui/messageboxdialogs.h"
#include "masterdata/customers/customerlist.h"

#include <QWidget>
#include <functional>

class Database;
class QAction;
class QLabel;
class QTableView;
class CustomerListModel;
class TfrmCustomer;
class TfrmCustomersFilter;

class TfrmCustomers : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmCustomers(Database& db, QWidget* parent = nullptr);
    ~TfrmCustomers() override;

    // What the console lends the list; a command whose screen is missing stays disabled.
    std::function<void(qint64 customerId)> openInvoices; // the invoice register at the customer
    std::function<void(qint64 customerId)> openPayments; // the payment register at the customer
    std::function<void(const QString& phone)> dial;      // lent on to the record screen
    // Lent on to the record screen: the list of a code table ("Currency", "Tax", ...) at a key.
    std::function<void(const QString& table, qint64 key)> openCodeTable;
    std::function<void()> openHelp; // the help page at the customers' topic

    const CustomerRow* currentRow() const;
    qint64 currentCustomerId() const;
    bool moveTo(qint64 customerId);
    void refresh();
    // Clears the filter dialog's choices and shows every customer (the console's action).
    void resetFilter();
    void setFilter(const CustomerFilter& filter);
    void setOrder(CustomerOrder order);
    void updateCommands();

    // The commands, for the menus, the buttons, the console and the tests.
    void newCustomer();
    void editCustomer();
    void deleteCustomer();
    void find();
    void filter();
    void printList();

    QTableView* grdCustomers;
    QLabel* lblStatus;
    QAction* actPrint;
    QAction* actExit;
    QAction* actNew;
    QAction* actEdit;
    QAction* actDelete;
    QAction* actFind;
    QAction* mnuFilter;
    QAction* actSortNumber;
    QAction* actSortName;
    QAction* actInvoices;
    QAction* actPayments;
    QAction* actRefresh;
    QAction* actHelp;

public Q_SLOTS:
    // Brought forward while open: the list is read again.
    void FormShow() { refresh(); }

private:
    void buildActions();
    void buildMenusAndButtons();
    TfrmCustomer* openRecordWindow();

    Database& db_;
    MessageBoxDialogs dialogs_;
    CustomerFilter filter_;
    CustomerOrder order_ = CustomerOrder::Name;
    CustomerListModel* model_;
    TfrmCustomersFilter* filterDialog_;
};

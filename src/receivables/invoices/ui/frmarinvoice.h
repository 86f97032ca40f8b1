#pragma once
// "AR Invoice": one invoice with its lines, over the invoice document. The window gathers what
// is typed and shows what the document makes of it; every rule is the document's.

#include "common/ui/messageboxdialogs.h"
#include "receivables/invoices/invoicerefusal.h"

#include <QWidget>
#include <functional>
#include <memory>

class Database;
class DateEntry;
class InvoiceDocument;
class InvoiceGrid;
class InvoiceLinesModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TdmLookUps;

class TfrmARInvoice : public QWidget
{
    Q_OBJECT
public:
    TfrmARInvoice(Database& db, TdmLookUps& lookups, QWidget* parent = nullptr);
    ~TfrmARInvoice() override;

    // A new invoice, its number drawn at once.
    void openNew();
    // A stored invoice; false when there is none with that key.
    bool openExisting(qint64 invoiceId);
    // A new invoice made elsewhere (the register's copy), captioned so until it is stored.
    void openCopy(std::unique_ptr<InvoiceDocument> document, const QString& caption);
    InvoiceDocument* document() const { return document_.get(); }
    Dialogs& dialogs() { return dialogs_; }

    // How the customer list is opened from the "Client/Funder" button, positioned on the
    // invoice's customer (0: none). Until it is given the button stays disabled.
    void setOpenCustomerList(std::function<void(qint64 customerId)> open);

    QPushButton* btnCustomer;
    QLineEdit* editCustomerNo;
    QComboBox* cboCustomer;
    QLabel* lblAddress;
    QLabel* lblTerms;
    QLineEdit* editDeliveredTo;
    QPushButton* btnRecipient;
    QLabel* lblShipToAddress;
    QLineEdit* editInvoiceNo;
    QComboBox* cboLocation;
    DateEntry* dateInvoice;
    QSpinBox* spinPeriod;
    QLineEdit* editYear;
    QLineEdit* editDescription;
    QCheckBox* chkPrinted;
    QLabel* lblPosted;
    InvoiceGrid* grid;
    QLabel* lblTaxLine;
    QLabel* lblInvoiceAmount;
    QLabel* lblPaid;
    QLabel* lblDiscount;
    QLabel* lblWriteOff;
    QLabel* lblOwing;
    QPushButton* btnOK;
    QPushButton* btnCancel;

Q_SIGNALS:
    // OK wrote the invoice: the register moves its cursor to it.
    void invoiceStored(qint64 invoiceId);

public Q_SLOTS:
    void btnOKClick();
    void btnCancelClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildHeader();
    void buildGridAndTotals();
    void loadPickLists();
    void attach(std::unique_ptr<InvoiceDocument> document);
    void showDocument();
    // Runs a change on the document; a refusal is shown, the cursor goes where it points, and
    // the screen shows the document's values again.
    bool apply(const std::function<void()>& change);
    void focusOn(InvoiceField field);
    void advanceInGrid();
    void appendLine();
    void deleteLine();
    void searchItem();
    void cancelLine();
    // The customer number typed so far, taken as on leaving the box; false when refused.
    bool takeCustomerNo();
    // Page Down from the header: into the lines.
    void enterLines();
    // A key that would change a posted invoice: the posted-invoice message.
    void refusePostedChange();
    void lookupRecipient();
    void leaveRow(int fromRow);
    // Stores the invoice and tells the register; false when refused.
    bool saveAndReport();

    Database& db_;
    TdmLookUps& lookups_;
    MessageBoxDialogs dialogs_;
    std::unique_ptr<InvoiceDocument> document_;
    InvoiceLinesModel* lines_ = nullptr;
    std::function<void(qint64 customerId)> openCustomerList_;
    bool closing_ = false;
    bool showing_ = false;
    QString copyCaption_;
    bool searching_ = false;
    bool takingCustomerNo_ = false;
};

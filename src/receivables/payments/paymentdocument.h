#pragma once
// The payment document: one customer cheque (ARPmt) and its allocation lines (ARInvPmt), with
// every rule a payment obeys whoever enters it: the key from ARPmtCtl, the defaults of a new
// payment, the customer and the bank of its currency, the invoices a line may pay, the
// discount and its date, the four commands that fill a line, the write-off account, the checks
// before a line and before the header are stored, and the lock on posted payments. The payment
// window, the command line and the tests all drive it.
//
// How it is used. The header is changed through typed setters. The grid appends or changes one
// line at a time (appendLine or editLine, the setLine... setters or a fill command, then
// storeLine or leaveLine; deleteLine). ok() checks the header and writes the payment, header
// and all lines, in one transaction; cancel() drops everything since the payment was opened or
// last written. Until ok() nothing of the payment reaches the database (its key is drawn at
// once and never given back), so other workstations never see lines that disagree with the
// cheque amount.
//
// Refusals are raised as PaymentRefusal with the exact message and the field to go back to;
// the refused value is not taken. The rules' questions (the write-off of what remains, the
// cheque amount, the period outside the expected range) are asked through Dialogs; where the
// rules then abandon a store silently, PaymentAbandoned is raised with the field to go to, so
// that the bookkeeper confirms again. Engine failures raise DbError. On a posted payment every
// change is refused with the posted-payment message.

#include "receivables/payments/paymentheader.h"
#include "receivables/payments/paymentrefusal.h"

#include <QList>
#include <memory>

class Database;
class Dialogs;

// A store that the rules abandon without a message, after a question whose answer filled in a
// value for the bookkeeper to confirm (the write-off of what remains, the cheque amount).
class PaymentAbandoned : public std::exception
{
public:
    explicit PaymentAbandoned(PaymentField focus) : focus_(focus) {}
    PaymentField focus() const { return focus_; }
    const char* what() const noexcept override { return "payment store abandoned"; }

private:
    PaymentField focus_;
};

class PaymentDocument
{
public:
    // Browse: nothing changed since the payment was opened or written. Edit: a payment (or a
    // line) being changed. Insert: a new payment (or line) not yet written (stored).
    enum class State { Browse, Edit, Insert };

    // ----- opening

    // A new payment: draws its key from ARPmtCtl and fills today's date, not reconciled, not
    // posted, and the organization's default period and year (else the current month and
    // year). Raises DbError when no key can be drawn.
    static std::unique_ptr<PaymentDocument> openNew(Database& db, Dialogs& dialogs);
    // The stored payment with this key; nullptr when there is none.
    static std::unique_ptr<PaymentDocument> openExisting(Database& db, Dialogs& dialogs,
                                                         qint64 paymentId);

    ~PaymentDocument();
    PaymentDocument(const PaymentDocument&) = delete;
    PaymentDocument& operator=(const PaymentDocument&) = delete;

    // ----- the header as it stands

    const PaymentHeader& header() const { return header_; }
    qint64 paymentId() const { return header_.paymentId; }
    bool isPosted() const { return header_.posted; }
    // The paying customer's CustomerNo and address on one line, or empty.
    QString customerNo() const;
    QString address() const;
    // The customer's and the bank's CurrencyID, when set.
    std::optional<qint64> customerCurrencyId() const;
    std::optional<qint64> bankCurrencyId() const;
    // "New Payment" while a new payment has no cheque number, else "Payment Check <no>".
    QString caption() const;
    // The sum of the stored lines' PaymentAmount: only what is paid counts toward the cheque.
    Money allocatedSum() const;

    // ----- state

    State headerState() const;
    State lineState() const;
    // Whether the header or a line is being changed (closing then asks to save), unless
    // isUntouchedNew().
    bool isEditing() const;
    bool isUntouchedNew() const;
    bool hasBeenStored() const;

    // ----- changing the header (each refused on a posted payment)

    // A customer number typed into the customer box, on leaving it; nothing happens when it is
    // the current customer's. Refused with "Customer cannot be changed unless invoices are
    // removed first" while lines exist, and with "Customer no. <text> not found.".
    void setCustomerNoText(const QString& text);
    // The customer however chosen (the drop-down, the customer list). Refused while lines
    // exist. The bank follows the customer's currency: a bank of that currency stays, else the
    // first bank by name in it, else the bank is left as it is.
    void setCustomerId(std::optional<qint64> customerId);
    void setBankId(std::optional<qint64> bankId);
    void setChequeNo(const QString& chequeNo);
    // An invalid date empties the field (refused when the payment is stored).
    void setPaymentDate(const QDate& date);
    // 1..12, or empty; anything else is refused.
    void setGLPeriod(std::optional<int> period);
    void setGLYear(std::optional<int> year);
    void setChequeAmount(std::optional<Money> amount);

    // ----- allocation lines

    // "Outstanding" (on by default): the invoices offered for a line are the customer's with a
    // non-zero Owing, plus the current line's; off offers all of the customer's invoices.
    bool outstandingOnly() const;
    void setOutstandingOnly(bool on);
    // The invoices offered for the current line, in invoice number order.
    QList<AllocatedInvoice> invoicesOffered() const;

    // The lines in Seq order, the one being appended included (last).
    int lineCount() const;
    const PaymentLine& line(int row) const;
    // The invoice a line pays, when it exists.
    std::optional<AllocatedInvoice> lineInvoice(int row) const;
    // The account number and name of a line's write-off account, when it exists.
    QString lineWriteOffAccountNo(int row) const;
    QString lineWriteOffAccountName(int row) const;
    // The row being appended or changed, or -1.
    int editingRow() const;

    // Starts a new line at the end (Ctrl+Insert, Down past the last row); the line being
    // changed is left first (leaveLine).
    void appendLine();
    // Starts changing a stored line; the line being changed is left first.
    void editLine(int row);
    // The invoice of the line being changed: refused when it is not posted ("Invoice '<no>'
    // has not been posted") or already on another line of this payment ("... has already had
    // this payment applied to it.").
    void chooseLineInvoice(qint64 arInvoiceId);
    // The same with the invoice number typed (one of the customer's invoices); refused with
    // "Invoice no. <text> not found." when there is none. Empty text takes the invoice off.
    void setLineInvoiceNo(const QString& invoiceNo);
    void setLinePaymentAmount(std::optional<Money> amount);
    void setLineDiscTakenAmount(std::optional<Money> amount);
    // A write-off of 0 empties the account; any other fills the currency's default write-off
    // account when none is set.
    void setLineWriteOffAmount(std::optional<Money> amount);
    // The write-off account typed by number ("W/O GL Acct."): refused when not found or
    // suspended.
    void setLineWriteOffAccountNo(const QString& accountNo);
    // The write-off account chosen by name ("Name"): refused when suspended.
    void chooseLineWriteOffAccountByName(qint64 glAccountId);
    // The four commands that fill the current line from its invoice's Owing.
    void payNoDiscount();
    void payTakeDiscount();
    void payDiscountIfEligible();
    void writeOff();
    // Stores the line in the payment after its checks, in order: a discount only when the line
    // settles the invoice; the question whether to write off what remains (Yes fills it and
    // raises PaymentAbandoned on the Write-Off column); a write-off only when it settles the
    // invoice. A new line gets the next line number.
    void storeLine();
    // Leaving the line in the grid: a line that nothing was typed into is dropped (a new one) or
    // left as it was; any other is stored.
    void leaveLine();
    // Esc: the line being appended is dropped, the one being changed keeps its stored values.
    void cancelLine();
    void deleteLine(int row);

    // ----- finishing

    // OK: leaves the line being changed, checks the header in the rules' order (refusals,
    // the expected-period warning, the cheque amount question) and writes the header and all
    // lines in one transaction. Nothing is written when it fails.
    void ok();
    // Cancel: drops every change since the payment was opened or last written, lines included.
    void cancel();

private:
    PaymentDocument(Database& db, Dialogs& dialogs);

    void beginHeaderEdit();
    template <typename T> void changeHeader(T PaymentHeader::*field, const T& value);
    bool hasLines() const;
    void followCustomerCurrency();
    void lookUpCustomerAndBank();
    void requireLine() const;
    void touchLine();
    void endLineEdit();
    void takeWriteOffAmount(std::optional<Money> amount);
    // The invoice of the line being changed, read afresh; empty when it has none.
    std::optional<AllocatedInvoice> pendingInvoice();
    std::optional<AllocatedInvoice> freshInvoice(qint64 arInvoiceId);
    void remember();

    struct Private;
    std::unique_ptr<Private> d_;
    PaymentHeader header_;
};

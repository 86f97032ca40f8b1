#pragma once
// The invoice document: one AR invoice, its header (ARInv) and its lines (ARInvDet), with every
// rule an invoice obeys whoever writes it: the key and number from ARInvCtl, the defaults of a
// new invoice, the customer's taxes and terms, line amounts, the three taxable buckets, the two
// taxes, the invoice amount and what is owed, the checks before the header is stored and the
// lock on posted invoices. The invoice window, invoice generation and the tests all drive it.
//
// How it is used. The header is changed through typed setters. A program adds a whole line in
// one call (addLine); the line grid appends or changes one line at a time (appendLine or
// editLine, the setLine... setters, then storeLine or leaveLine; deleteLine). Both end in
// storeLine, so every line meets the same checks, and every stored line updates the totals.
// ok() checks the header and writes the invoice, header and all lines, in one transaction;
// cancel() drops everything since the invoice was opened or last written. Until ok() nothing of
// the invoice reaches the database (the key and number are drawn at once and never given back),
// so other workstations never see lines that disagree with the header's totals.
//
// Refusals are raised as InvoiceRefusal, which carries the exact message and the field to go
// back to; the refused value is not taken and the invoice stays as it was. Engine failures raise
// DbError. On a posted invoice every change is refused with the posted-invoice message.

#include "common/formatsettings.h"
#include "receivables/invoices/invoiceheader.h"
#include "receivables/invoices/invoicelines.h"
#include "receivables/invoices/invoicelookups.h"
#include "receivables/invoices/invoicetotals.h"

#include <QHash>
#include <QList>
#include <memory>

class Database;
class DbError;
class UnitBatch;

class InvoiceDocument
{
public:
    // Browse: nothing changed since the invoice was opened or written. Edit: an invoice (or a
    // line) being changed. Insert: a new invoice (or line) not yet written (stored).
    enum class State { Browse, Edit, Insert };

    // ----- opening

    // A new invoice: draws its key and number from ARInvCtl, and fills today's date, not
    // printed, not posted, the organization's default period and year (else the current month
    // and year) and the first location by name. Raises DbError when no number can be drawn.
    static std::unique_ptr<InvoiceDocument>
    openNew(Database& db, const FormatSettings& settings = currentFormatSettings(),
            invoicelookup::RunLookups* run = nullptr);
    // The stored invoice with this key, its taxes taken from its stored buckets; nullptr when
    // there is no such invoice.
    static std::unique_ptr<InvoiceDocument>
    openExisting(Database& db, qint64 invoiceId,
                 const FormatSettings& settings = currentFormatSettings());

    ~InvoiceDocument();
    InvoiceDocument(const InvoiceDocument&) = delete;
    InvoiceDocument& operator=(const InvoiceDocument&) = delete;

    // ----- the header as it stands (stored and computed values)

    const InvoiceHeader& header() const { return header_; }
    qint64 invoiceId() const { return header_.invoiceId; }
    bool isPosted() const { return header_.posted; }
    // The billed customer and the customer the meals went to (by Recip_ID), when found.
    const std::optional<CustomerInfo>& billedCustomer() const { return billed_; }
    const std::optional<CustomerInfo>& deliveredToCustomer() const { return recipient_; }
    // The billed customer's CustomerNo, or empty.
    QString customerNo() const;
    // The billed customer's address on one line.
    QString address() const;
    // The delivered-to customer's ship-to name and address.
    QString shipToName() const;
    QString shipToAddress() const;
    // "Terms: 2% 10   Net 30", "Terms: Net 30" or "Terms: C.O.D.".
    QString terms() const;
    // The two taxes of the invoice as they stand, and their descriptions.
    Money tax1Amount() const { return tax1Amount_; }
    Money tax2Amount() const { return tax2Amount_; }
    QString tax1Description() const { return tax1Description_; }
    QString tax2Description() const { return tax2Description_; }
    // The formats the invoice's texts are written in.
    const FormatSettings& formatSettings() const { return settings_; }

    // ----- state

    State headerState() const { return headerState_; }
    State lineState() const { return lineState_; }
    // Whether the header or a line is being changed: closing the window then asks whether to
    // save the changes, unless isUntouchedNew().
    bool isEditing() const;
    // A new invoice that nothing was changed in; closing discards it without asking.
    bool isUntouchedNew() const;
    // Whether ok() has written the invoice at least once (the register then moves to it).
    bool hasBeenStored() const { return storedOnce_; }
    // The number the next line stored without one gets.
    int nextLineNumber() const { return nextLineNumber_; }

    // ----- changing the header (each refused on a posted invoice)

    // A customer number typed into the customer box, on leaving it. Nothing happens when it is
    // the current customer's number; empty text removes the customer. Refused with "Customer no.
    // ... not found." or "... has been suspended."; otherwise the customer becomes the invoice's
    // (setCustomerId) and its number the Recip_ID, its kind the CustomerType.
    void setCustomerNoText(const QString& text);
    // A customer chosen from the drop-down list: setCustomerId, then Recip_ID and CustomerType
    // from the customer.
    void chooseCustomer(qint64 customerId);
    // The billed customer, however it is set. Refused with "Customer not found" or "Customer
    // '<no>: <name>' has been suspended". Copies the customer's taxes (none where the customer
    // has an exemption number), discount, days and C.O.D.; no customer clears them. The taxes
    // and the invoice amount follow the new tax codes and rates.
    void setCustomerId(std::optional<qint64> customerId);
    // The delivered-to customer's number (the "Lookup Recipient" dialog; generation).
    void setRecipId(const QString& customerNo);
    void setCustomerType(const QString& customerType);
    void setInvoiceNo(const QString& invoiceNo);
    void setWarehouseId(std::optional<qint64> warehouseId);
    void setDescription(const QString& description);
    void setPurchaseOrderNo(const QString& purchaseOrderNo);
    // An invalid date empties the field (refused when the invoice is stored).
    void setInvoiceDate(const QDate& date);
    // 1..12, or empty; anything else is refused.
    void setGLPeriod(std::optional<int> period);
    void setGLYear(std::optional<int> year);
    void setPrinted(bool printed);

    // ----- lines

    // A whole line as a program writes it: appended, filled and stored in one go, with the same
    // checks as a line stored from the grid (storeLine). The item brings its list price and tax
    // codes; a price given replaces the list price. A refused line is not kept.
    struct LineInput {
        double quantity = 0;
        qint64 itemId = 0;
        std::optional<Money> unitPrice; // none: the item's list price
        QString description;            // ItemOvDesc
    };
    void addLine(const LineInput& line);

    // The lines in Seq order, the one being appended included (last).
    int lineCount() const;
    const InvoiceLine& line(int row) const;
    // The lines as stored in the document, without a line still being appended or changed.
    const QList<InvoiceLine>& storedLines() const { return lines_; }
    // The row being appended or changed, or -1.
    int editingRow() const { return lineState_ == State::Browse ? -1 : editingRow_; }
    // The line's item (ItemNo, ItemDescription, list price, tax codes), when it exists.
    std::optional<ItemInfo> lineItem(int row) const;

    // Starts a new line at the end (Ctrl+Insert, Page Down, Enter past the last column); the
    // line being changed is left first (leaveLine).
    void appendLine();
    // Starts changing a stored line; the line being changed is left first.
    void editLine(int row);
    // The fields of the line being appended or changed. An item taken copies its unit price and
    // tax codes to the line; no item (or 0) clears it.
    void setLineQuantity(std::optional<double> quantity);
    // The item, not checked until the line is stored.
    void setLineItem(std::optional<qint64> itemId);
    // An item chosen by its number or from the item search: refused with "Item not found...
    // \r\nPress Esc or enter a different item no" when there is none and with "Item has been
    // suspended" when it is suspended.
    void chooseLineItem(qint64 itemId);
    // The same with the item number typed.
    void setLineItemNo(const QString& itemNo);
    // An item chosen by its description: refused with "Item '<no>: <description>' has been
    // suspended" when it is suspended; a missing one is refused when the line is stored.
    void chooseLineItemByDescription(qint64 itemId);
    void setLineUnitPrice(std::optional<Money> unitPrice);
    void setLineTaxCodes(const QString& taxCodes);
    void setLineOverrideDescription(const QString& description);
    // Stores the line in the invoice: it must name an existing item and an amount the invoice can
    // total; a new line gets the next line number; the buckets, taxes, invoice amount and amount
    // owing follow. Refusals leave the line being changed; "Too many taxes..." when it brings a
    // fourth tax code.
    void storeLine();
    // Leaving the line in the grid: a line that nothing was typed into is dropped (a new one) or
    // left as it was; any other is stored.
    void leaveLine();
    // Esc: the line being appended is dropped, the one being changed keeps its stored values.
    void cancelLine();
    // Deletes a line; the totals follow.
    void deleteLine(int row);

    // ----- finishing

    // OK: leaves the line being changed, checks the header (InvoiceRefusal with the field to go
    // back to) and writes the header and all lines in one transaction; a key already taken is
    // refused with "Invoice no. already exists", a stored invoice that another workstation
    // posted or deleted in the meantime with the posted-invoice message or "This invoice was
    // deleted by another user; it was not saved.". Nothing is written while the header is not
    // being changed (a posted invoice never is), and nothing at all when it fails.
    void ok();
    // Cancel: drops every change since the invoice was opened or last written, lines included.
    void cancel();
    // A new invoice is then added at OK to the run's unit of work (unitbatch.h) instead of being
    // written at once; the run writes it whole with the others.
    void writeThrough(UnitBatch& batch) { batch_ = &batch; }
    // Refuses with "Invoice no. already exists" when the engine refused the invoice's key.
    static void refuseDuplicateNumber(const DbError& error);
    // Items read for lines, by ItemID. A program writing many invoices in one go lets them
    // share what they look up (openNew's RunLookups, which must outlive the document).
    using ItemCache = QHash<qint64, std::optional<ItemInfo>>;

    // Takes the two taxes again from the stored buckets and rates. Opening an existing invoice
    // does this; without it the first line change would count the taxes twice.
    void getBillToData();

private:
    InvoiceDocument(Database& db, const FormatSettings& settings);

    struct Saved {
        InvoiceHeader header;
        QList<InvoiceLine> lines;
        State headerState = State::Browse;
        Money tax1;
        Money tax2;
        int nextLineNumber = 1;
    };

    void beginHeaderEdit();
    template <typename T> void changeHeader(T InvoiceHeader::*field, const T& value);
    void setTaxes(std::optional<qint64> tax1Id, std::optional<qint64> tax2Id);
    void lookUpTaxDescriptions();
    void setInvoiceAmount(Money amount);
    InvoiceTotals totals() const;
    void applyTotals(const InvoiceTotals& totals);
    AppliedTax tax1() const;
    AppliedTax tax2() const;
    void requireLine() const;
    void touchLine();
    void endLineEdit();
    void remember();
    std::optional<ItemInfo> cachedItem(std::optional<qint64> itemId) const;
    std::optional<ItemInfo> freshItem(qint64 itemId);
    void takeLineItem(qint64 itemId, const std::optional<ItemInfo>& item);

    Database& db_;
    FormatSettings settings_;
    InvoiceHeader header_;
    QList<InvoiceLine> lines_;
    State headerState_ = State::Browse;
    State lineState_ = State::Browse;
    int editingRow_ = -1;
    InvoiceLine pending_;
    bool pendingTouched_ = false;
    Money oldAmount_;
    QString oldCodes_;
    Money tax1Amount_;
    Money tax2Amount_;
    QString tax1Description_;
    QString tax2Description_;
    int nextLineNumber_ = 1;
    bool modified_ = false;
    bool storedOnce_ = false;
    Saved saved_;
    std::optional<CustomerInfo> billed_;
    std::optional<CustomerInfo> recipient_;
    mutable ItemCache ownItems_;
    ItemCache* items_ = &ownItems_;
    invoicelookup::RunLookups* run_ = nullptr;
    UnitBatch* batch_ = nullptr;
};

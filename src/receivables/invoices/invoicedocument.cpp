#include "receivables/invoices/invoicedocument.h"

#include "engine/database.h"
#include "receivables/invoices/invoiceheaderchecks.h"
#include "receivables/invoices/invoicemessages.h"
#include "receivables/invoices/invoicenumbering.h"
#include "receivables/invoices/invoicerefusal.h"
#include "receivables/invoices/invoicestore.h"
#include "receivables/invoices/periodfields.h"
#include "receivables/invoices/terms.h"

#include <QLoggingCategory>
#include <algorithm>
#include <cmath>
#include <stdexcept>

Q_LOGGING_CATEGORY(lcInvoice, "tallywick.invoices", QtWarningMsg)

namespace
{

// Field sizes of ARInv and ARInvDet: text is cut to them as it is typed, so the invoice shows
// what will be stored.
constexpr int kInvoiceNoSize = 10;
constexpr int kDescriptionSize = 60;
constexpr int kPurchaseOrderNoSize = 10;
constexpr int kRecipIdSize = 7;
constexpr int kCustomerTypeSize = 1;
constexpr int kTaxCodesSize = 3;
constexpr int kItemOvDescSize = 75;

} // namespace

InvoiceDocument::InvoiceDocument(Database& db, const FormatSettings& settings)
    : db_(db), settings_(settings)
{
}

InvoiceDocument::~InvoiceDocument() = default;

std::unique_ptr<InvoiceDocument> InvoiceDocument::openNew(Database& db,
                                                          const FormatSettings& settings,
                                                          invoicelookup::RunLookups* run)
{
    std::unique_ptr<InvoiceDocument> doc(new InvoiceDocument(db, settings));
    if (run) {
        doc->run_ = run;
        doc->items_ = &run->items;
    }
    const InvoiceKeys keys = drawInvoiceKeys(db);
    InvoiceHeader& h = doc->header_;
    h.invoiceId = keys.invoiceId;
    h.invoiceNo = keys.invoiceNo;
    const QDate today = QDate::currentDate();
    h.invoiceDate = today;
    h.printed = false;
    h.posted = false;
    const CompanyPeriods company = invoicelookup::companyPeriods(db, run);
    h.glPeriod = company.defaultPeriod > 0 ? company.defaultPeriod : today.month();
    h.glYear = company.defaultYear > 0 ? company.defaultYear : today.year();
    h.warehouseId = invoicelookup::firstWarehouse(db, run);
    h.owing = h.owingFromAmounts();
    doc->headerState_ = State::Insert;
    doc->nextLineNumber_ = 1;
    doc->remember();
    qCDebug(lcInvoice) << "new invoice" << h.invoiceId << h.invoiceNo;
    return doc;
}

std::unique_ptr<InvoiceDocument> InvoiceDocument::openExisting(Database& db, qint64 invoiceId,
                                                               const FormatSettings& settings)
{
    std::optional<StoredInvoice> stored = invoicestore::load(db, invoiceId);
    if (!stored)
        return nullptr;
    std::unique_ptr<InvoiceDocument> doc(new InvoiceDocument(db, settings));
    doc->header_ = stored->header;
    doc->lines_ = stored->lines;
    doc->storedOnce_ = false;
    if (doc->header_.customerId)
        doc->billed_ = invoicelookup::customerById(db, *doc->header_.customerId);
    doc->recipient_ = invoicelookup::customerByNo(db, doc->header_.recipId);
    doc->lookUpTaxDescriptions();
    doc->getBillToData();
    doc->remember();
    qCDebug(lcInvoice) << "opened invoice" << invoiceId << doc->header_.invoiceNo
                       << doc->lines_.size() << "lines";
    return doc;
}

// ----- computed header values

QString InvoiceDocument::customerNo() const
{
    return billed_ ? billed_->customerNo : QString();
}

QString InvoiceDocument::address() const
{
    return billed_ ? billed_->address : QString();
}

QString InvoiceDocument::shipToName() const
{
    return recipient_ ? recipient_->shipToName : QString();
}

QString InvoiceDocument::shipToAddress() const
{
    return recipient_ ? recipient_->shipToAddress : QString();
}

QString InvoiceDocument::terms() const
{
    return invoiceTermsText(header_.cod, header_.discPC, header_.discDays, header_.netDays);
}

bool InvoiceDocument::isEditing() const
{
    return headerState_ != State::Browse || lineState_ != State::Browse;
}

bool InvoiceDocument::isUntouchedNew() const
{
    return headerState_ == State::Insert && !modified_ && !pendingTouched_;
}

// ----- the header

void InvoiceDocument::beginHeaderEdit()
{
    if (header_.posted)
        throw InvoiceRefusal(invoicemsg::kPostedLocked);
    if (headerState_ != State::Browse)
        return;
    headerState_ = State::Edit;
    int highest = invoicestore::maxStoredSeq(db_, header_.invoiceId);
    for (const InvoiceLine& line : lines_)
        highest = std::max(highest, line.seq);
    nextLineNumber_ = highest + 1;
}

template <typename T> void InvoiceDocument::changeHeader(T InvoiceHeader::*field, const T& value)
{
    if (header_.*field == value)
        return;
    beginHeaderEdit();
    header_.*field = value;
    modified_ = true;
}

void InvoiceDocument::setCustomerNoText(const QString& text)
{
    const QString typed = text.trimmed();
    if (typed == customerNo())
        return;
    if (typed.isEmpty()) {
        setCustomerId(std::nullopt);
        return;
    }
    beginHeaderEdit();
    const std::optional<CustomerInfo> customer = invoicelookup::customerByNo(db_, typed, run_);
    if (!customer)
        throw InvoiceRefusal(invoicemsg::customerNoNotFound(typed), InvoiceField::CustomerNo);
    if (customer->suspended)
        throw InvoiceRefusal(invoicemsg::customerNoSuspended(typed), InvoiceField::CustomerNo);
    setCustomerId(customer->customerId);
    setRecipId(customer->customerNo);
    setCustomerType(customer->customerType);
}

void InvoiceDocument::chooseCustomer(qint64 customerId)
{
    setCustomerId(customerId);
    if (billed_) {
        setRecipId(billed_->customerNo);
        setCustomerType(billed_->customerType);
    }
}

void InvoiceDocument::setCustomerId(std::optional<qint64> customerId)
{
    if (customerId == header_.customerId)
        return;
    beginHeaderEdit();
    if (!customerId) {
        header_.customerId.reset();
        billed_.reset();
        header_.discPC.reset();
        header_.discDays.reset();
        header_.netDays.reset();
        header_.cod.reset();
        modified_ = true;
        setTaxes(std::nullopt, std::nullopt);
        return;
    }
    const std::optional<CustomerInfo> customer =
        invoicelookup::customerById(db_, *customerId, run_);
    if (!customer)
        throw InvoiceRefusal(invoicemsg::kCustomerNotFound, InvoiceField::CustomerNo);
    if (customer->suspended)
        throw InvoiceRefusal(
            invoicemsg::customerSuspended(customer->customerNo, customer->customerName),
            InvoiceField::CustomerNo);
    header_.customerId = customerId;
    billed_ = customer;
    header_.discPC = customer->discPC;
    header_.discDays = customer->discDays;
    header_.netDays = customer->netDays;
    header_.cod = customer->cod;
    modified_ = true;
    // A customer with an exemption number pays no such tax, whatever tax the record names.
    setTaxes(customer->tax1ExemptionNo.isEmpty() ? customer->tax1Id : std::nullopt,
             customer->tax2ExemptionNo.isEmpty() ? customer->tax2Id : std::nullopt);
}

void InvoiceDocument::setTaxes(std::optional<qint64> tax1Id, std::optional<qint64> tax2Id)
{
    const std::optional<TaxInfo> t1 = tax1Id ? invoicelookup::taxById(db_, *tax1Id) : std::nullopt;
    const std::optional<TaxInfo> t2 = tax2Id ? invoicelookup::taxById(db_, *tax2Id) : std::nullopt;
    header_.tax1Id = tax1Id;
    header_.tax2Id = tax2Id;
    // No tax (or one that no longer exists) leaves no code and rate behind to be charged.
    header_.tax1Code = t1 ? t1->taxCode : QString();
    header_.tax1Rate = t1 ? t1->rate : std::nullopt;
    header_.tax2Code = t2 ? t2->taxCode : QString();
    header_.tax2Rate = t2 ? t2->rate : std::nullopt;
    tax1Description_ = t1 ? t1->taxDescription : QString();
    tax2Description_ = t2 ? t2->taxDescription : QString();
    applyTotals(totalsAfterTaxChange(totals(), tax1(), tax2()));
}

void InvoiceDocument::lookUpTaxDescriptions()
{
    const auto description = [this](std::optional<qint64> id) {
        const std::optional<TaxInfo> tax = id ? invoicelookup::taxById(db_, *id) : std::nullopt;
        return tax ? tax->taxDescription : QString();
    };
    tax1Description_ = description(header_.tax1Id);
    tax2Description_ = description(header_.tax2Id);
}

void InvoiceDocument::setRecipId(const QString& customerNo)
{
    const QString recipId = customerNo.trimmed().left(kRecipIdSize);
    if (recipId == header_.recipId)
        return;
    changeHeader(&InvoiceHeader::recipId, recipId);
    recipient_ = invoicelookup::customerByNo(db_, recipId, run_);
}

void InvoiceDocument::setCustomerType(const QString& customerType)
{
    changeHeader(&InvoiceHeader::customerType, customerType.trimmed().left(kCustomerTypeSize));
}

void InvoiceDocument::setInvoiceNo(const QString& invoiceNo)
{
    changeHeader(&InvoiceHeader::invoiceNo, invoiceNo.trimmed().left(kInvoiceNoSize));
}

void InvoiceDocument::setWarehouseId(std::optional<qint64> warehouseId)
{
    changeHeader(&InvoiceHeader::warehouseId, warehouseId);
}

void InvoiceDocument::setDescription(const QString& description)
{
    changeHeader(&InvoiceHeader::description, description.left(kDescriptionSize));
}

void InvoiceDocument::setPurchaseOrderNo(const QString& purchaseOrderNo)
{
    changeHeader(&InvoiceHeader::purchaseOrderNo, purchaseOrderNo.left(kPurchaseOrderNoSize));
}

void InvoiceDocument::setInvoiceDate(const QDate& date)
{
    changeHeader(&InvoiceHeader::invoiceDate, date.isValid() ? date : QDate());
}

void InvoiceDocument::setGLPeriod(std::optional<int> period)
{
    checkGLPeriod(period);
    changeHeader(&InvoiceHeader::glPeriod, period);
}

void InvoiceDocument::setGLYear(std::optional<int> year)
{
    changeHeader(&InvoiceHeader::glYear, year);
}

void InvoiceDocument::setPrinted(bool printed)
{
    changeHeader(&InvoiceHeader::printed, printed);
}

// ----- totals

void InvoiceDocument::setInvoiceAmount(Money amount)
{
    header_.invoiceAmount = amount;
    header_.owing = header_.owingFromAmounts();
}

InvoiceTotals InvoiceDocument::totals() const
{
    return {header_.buckets, tax1Amount_, tax2Amount_, header_.invoiceAmount};
}

void InvoiceDocument::applyTotals(const InvoiceTotals& totals)
{
    header_.buckets = totals.buckets;
    tax1Amount_ = totals.tax1;
    tax2Amount_ = totals.tax2;
    if (totals.invoiceAmount != header_.invoiceAmount)
        setInvoiceAmount(totals.invoiceAmount);
}

AppliedTax InvoiceDocument::tax1() const
{
    return {header_.tax1Code, header_.tax1Rate};
}

AppliedTax InvoiceDocument::tax2() const
{
    return {header_.tax2Code, header_.tax2Rate};
}

void InvoiceDocument::getBillToData()
{
    tax1Amount_ = taxOnBuckets(header_.buckets, tax1());
    tax2Amount_ = taxOnBuckets(header_.buckets, tax2());
}

// ----- lines

int InvoiceDocument::lineCount() const
{
    return int(lines_.size()) + (lineState_ == State::Insert ? 1 : 0);
}

const InvoiceLine& InvoiceDocument::line(int row) const
{
    if (lineState_ != State::Browse && row == editingRow_)
        return pending_;
    if (row < 0 || row >= lines_.size())
        throw std::out_of_range("no such invoice line");
    return lines_.at(row);
}

std::optional<ItemInfo> InvoiceDocument::cachedItem(std::optional<qint64> itemId) const
{
    if (!itemId)
        return std::nullopt;
    auto found = items_->constFind(*itemId);
    if (found == items_->constEnd())
        found = items_->insert(*itemId, invoicelookup::itemById(db_, *itemId));
    return *found;
}

std::optional<ItemInfo> InvoiceDocument::lineItem(int row) const
{
    return cachedItem(line(row).itemId);
}

void InvoiceDocument::requireLine() const
{
    if (lineState_ == State::Browse)
        throw std::logic_error("no invoice line is being appended or changed");
}

void InvoiceDocument::touchLine()
{
    pendingTouched_ = true;
}

void InvoiceDocument::endLineEdit()
{
    lineState_ = State::Browse;
    editingRow_ = -1;
    pending_ = InvoiceLine();
    pendingTouched_ = false;
    oldAmount_ = Money();
    oldCodes_.clear();
}

void InvoiceDocument::appendLine()
{
    if (lineState_ != State::Browse)
        leaveLine();
    beginHeaderEdit();
    pending_ = InvoiceLine();
    pendingTouched_ = false;
    oldAmount_ = Money();
    oldCodes_.clear();
    editingRow_ = int(lines_.size());
    lineState_ = State::Insert;
}

void InvoiceDocument::editLine(int row)
{
    if (lineState_ != State::Browse && row == editingRow_)
        return;
    if (lineState_ != State::Browse)
        leaveLine();
    if (row < 0 || row >= lines_.size())
        throw std::out_of_range("no such invoice line");
    beginHeaderEdit();
    pending_ = lines_.at(row);
    pendingTouched_ = false;
    oldAmount_ = pending_.amountForTotals();
    oldCodes_ = pending_.taxCodes;
    editingRow_ = row;
    lineState_ = State::Edit;
}

void InvoiceDocument::setLineQuantity(std::optional<double> quantity)
{
    requireLine();
    if (quantity && !std::isfinite(*quantity))
        throw std::invalid_argument("a quantity must be a finite number");
    pending_.quantity = quantity;
    touchLine();
}

void InvoiceDocument::setLineItemNo(const QString& itemNo)
{
    requireLine();
    const QString typed = itemNo.trimmed();
    if (typed.isEmpty()) {
        setLineItem(std::nullopt);
        return;
    }
    const std::optional<ItemInfo> item = invoicelookup::itemByNo(db_, typed);
    if (!item)
        throw InvoiceRefusal(invoicemsg::kItemNotFoundTyped, InvoiceField::ItemColumn);
    chooseLineItem(item->itemId);
}

void InvoiceDocument::setLineItem(std::optional<qint64> itemId)
{
    requireLine();
    if (!itemId || *itemId == 0) {
        pending_.itemId.reset();
        touchLine();
        return;
    }
    // A program's lines take each item once per invoice (or per run, with a shared cache).
    takeLineItem(*itemId, cachedItem(itemId));
}

void InvoiceDocument::chooseLineItem(qint64 itemId)
{
    requireLine();
    const std::optional<ItemInfo> item = freshItem(itemId);
    if (!item)
        throw InvoiceRefusal(invoicemsg::kItemNotFoundTyped, InvoiceField::ItemColumn);
    if (item->suspended)
        throw InvoiceRefusal(invoicemsg::kItemSuspended, InvoiceField::ItemColumn);
    takeLineItem(itemId, item);
}

void InvoiceDocument::chooseLineItemByDescription(qint64 itemId)
{
    requireLine();
    const std::optional<ItemInfo> item = freshItem(itemId);
    if (item && item->suspended)
        throw InvoiceRefusal(invoicemsg::itemSuspended(item->itemNo, item->itemDescription),
                             InvoiceField::OverrideDescriptionColumn);
    takeLineItem(itemId, item);
}

// An item chosen by hand is read afresh, so a suspension made a moment ago counts.
std::optional<ItemInfo> InvoiceDocument::freshItem(qint64 itemId)
{
    std::optional<ItemInfo> item = invoicelookup::itemById(db_, itemId);
    items_->insert(itemId, item);
    return item;
}

void InvoiceDocument::takeLineItem(qint64 itemId, const std::optional<ItemInfo>& item)
{
    pending_.itemId = itemId;
    if (item) {
        pending_.unitPrice = item->unitPrice;
        pending_.taxCodes = item->taxCodes.left(kTaxCodesSize);
    }
    touchLine();
}

void InvoiceDocument::setLineUnitPrice(std::optional<Money> unitPrice)
{
    requireLine();
    pending_.unitPrice = unitPrice;
    touchLine();
}

void InvoiceDocument::setLineTaxCodes(const QString& taxCodes)
{
    requireLine();
    pending_.taxCodes = taxCodes.left(kTaxCodesSize);
    touchLine();
}

void InvoiceDocument::setLineOverrideDescription(const QString& description)
{
    requireLine();
    pending_.itemOvDesc = description.left(kItemOvDescSize);
    touchLine();
}

void InvoiceDocument::addLine(const LineInput& line)
{
    appendLine();
    try {
        setLineQuantity(line.quantity);
        // The item first: it brings its list price and tax codes, which a given price replaces.
        setLineItem(line.itemId);
        if (line.unitPrice)
            setLineUnitPrice(line.unitPrice);
        setLineOverrideDescription(line.description);
        storeLine();
    } catch (...) {
        cancelLine();
        throw;
    }
}

void InvoiceDocument::storeLine()
{
    requireLine();
    if (!pending_.itemId)
        throw InvoiceRefusal(invoicemsg::kItemRequired, InvoiceField::ItemColumn);
    // The item as read when it was put on the line.
    const std::optional<ItemInfo> item = cachedItem(pending_.itemId);
    if (!item)
        throw InvoiceRefusal(invoicemsg::kItemNotFoundOnStore, InvoiceField::ItemColumn);
    if (!lineAmountFits(pending_.quantity, pending_.unitPrice))
        throw InvoiceRefusal(invoicemsg::kLineAmountTooLarge, InvoiceField::QuantityColumn);
    const InvoiceTotals after =
        totalsAfterLineStored(totals(), oldAmount_, oldCodes_, pending_.amountForTotals(),
                              pending_.taxCodes, tax1(), tax2());
    // A new line is numbered after every line the invoice has had, so the lines stay in Seq
    // order; a changed line keeps its number.
    if (lineState_ == State::Insert) {
        InvoiceLine stored = pending_;
        stored.seq = nextLineNumber_++;
        lines_.append(stored);
    } else {
        lines_[editingRow_] = pending_;
    }
    applyTotals(after);
    modified_ = true;
    endLineEdit();
}

void InvoiceDocument::leaveLine()
{
    if (lineState_ == State::Browse)
        return;
    if (!pendingTouched_)
        cancelLine();
    else
        storeLine();
}

void InvoiceDocument::cancelLine()
{
    endLineEdit();
}

void InvoiceDocument::deleteLine(int row)
{
    if (lineState_ == State::Insert && row == editingRow_) {
        cancelLine();
        return;
    }
    if (row < 0 || row >= lines_.size())
        throw std::out_of_range("no such invoice line");
    beginHeaderEdit();
    if (lineState_ != State::Browse) {
        if (row == editingRow_)
            cancelLine();
        else
            leaveLine();
    }
    const InvoiceLine& old = lines_.at(row);
    const InvoiceTotals after =
        totalsAfterLineDeleted(totals(), old.amountForTotals(), old.taxCodes, tax1(), tax2());
    lines_.removeAt(row);
    applyTotals(after);
    modified_ = true;
}

// ----- finishing

void InvoiceDocument::remember()
{
    saved_ = {header_, lines_, headerState_, tax1Amount_, tax2Amount_, nextLineNumber_};
}

void InvoiceDocument::refuseDuplicateNumber(const DbError& error)
{
    if (error.isKeyViolation())
        throw InvoiceRefusal(invoicemsg::kDuplicateInvoiceNo, InvoiceField::InvoiceNo);
}

void InvoiceDocument::ok()
{
    if (lineState_ != State::Browse)
        leaveLine();
    if (headerState_ == State::Browse)
        return;
    checkHeaderBeforeStore(db_, header_, int(lines_.size()), run_);
    if (batch_ && headerState_ == State::Insert) {
        invoicestore::gather(*batch_, header_, lines_);
    } else {
        try {
            invoicestore::write(db_, header_, lines_, headerState_ == State::Insert);
        } catch (const DbError& e) {
            refuseDuplicateNumber(e);
            throw;
        }
    }
    qCDebug(lcInvoice) << "stored invoice" << header_.invoiceId << header_.invoiceNo
                       << lines_.size() << "lines, amount" << header_.invoiceAmount;
    headerState_ = State::Browse;
    storedOnce_ = true;
    modified_ = false;
    remember();
}

void InvoiceDocument::cancel()
{
    if (!isEditing())
        return;
    endLineEdit();
    header_ = saved_.header;
    lines_ = saved_.lines;
    headerState_ = saved_.headerState;
    tax1Amount_ = saved_.tax1;
    tax2Amount_ = saved_.tax2;
    nextLineNumber_ = saved_.nextLineNumber;
    modified_ = false;
    billed_ =
        header_.customerId ? invoicelookup::customerById(db_, *header_.customerId) : std::nullopt;
    recipient_ = invoicelookup::customerByNo(db_, header_.recipId);
    lookUpTaxDescriptions();
    qCDebug(lcInvoice) << "cancelled changes to invoice" << header_.invoiceId;
}

#include "receivables/payments/paymentdocument.h"

#include "common/dialogs.h"
#include "engine/database.h"
#include "receivables/accountingperiod.h"
#include "receivables/payments/paymentheaderchecks.h"
#include "receivables/payments/paymentlookups.h"
#include "receivables/payments/paymentmessages.h"
#include "receivables/payments/paymentnumbering.h"
#include "receivables/payments/paymentstore.h"

#include <QHash>
#include <QLoggingCategory>
#include <algorithm>
#include <stdexcept>

Q_LOGGING_CATEGORY(lcPayment, "tallywick.payments", QtWarningMsg)

namespace
{
// ARPmt.ChequeNo: text is cut to it as it is typed, so the payment shows what will be stored.
constexpr int kChequeNoSize = 8;

bool isZero(const std::optional<Money>& amount)
{
    return !amount || amount->isZero();
}
} // namespace

struct PaymentDocument::Private {
    Private(Database& database, Dialogs& questions) : db(database), dialogs(questions) {}

    struct Saved {
        PaymentHeader header;
        QList<PaymentLine> lines;
        State headerState = State::Browse;
        int nextLineNumber = 1;
    };

    Database& db;
    Dialogs& dialogs;
    QList<PaymentLine> lines;
    State headerState = State::Browse;
    State lineState = State::Browse;
    int editingRow = -1;
    PaymentLine pending;
    bool pendingTouched = false;
    int nextLineNumber = 1;
    bool modified = false;
    bool storedOnce = false;
    bool outstandingOnly = true;
    Saved saved;
    std::optional<PayingCustomer> customer;
    std::optional<BankInfo> bank;
    // The invoices and accounts the lines show, as last read.
    mutable QHash<qint64, std::optional<AllocatedInvoice>> invoices;
    mutable QHash<qint64, std::optional<GLAccountInfo>> accounts;

    std::optional<AllocatedInvoice> cachedInvoice(std::optional<qint64> id) const
    {
        if (!id)
            return std::nullopt;
        auto found = invoices.constFind(*id);
        if (found == invoices.constEnd())
            found = invoices.insert(*id, paymentlookup::invoiceById(db, *id));
        return *found;
    }
    std::optional<GLAccountInfo> cachedAccount(std::optional<qint64> id) const
    {
        if (!id)
            return std::nullopt;
        auto found = accounts.constFind(*id);
        if (found == accounts.constEnd())
            found = accounts.insert(*id, paymentlookup::accountById(db, *id));
        return *found;
    }
};

PaymentDocument::PaymentDocument(Database& db, Dialogs& dialogs)
    : d_(std::make_unique<Private>(db, dialogs))
{
}

PaymentDocument::~PaymentDocument() = default;

std::unique_ptr<PaymentDocument> PaymentDocument::openNew(Database& db, Dialogs& dialogs)
{
    std::unique_ptr<PaymentDocument> doc(new PaymentDocument(db, dialogs));
    PaymentHeader& h = doc->header_;
    h.paymentId = drawPaymentId(db);
    const QDate today = QDate::currentDate();
    h.paymentDate = today;
    h.reconciled = false;
    h.posted = false;
    const PaymentPeriods company = paymentlookup::periods(db);
    h.glPeriod = company.defaultPeriod > 0 ? company.defaultPeriod : today.month();
    h.glYear = company.defaultYear > 0 ? company.defaultYear : today.year();
    doc->d_->headerState = State::Insert;
    doc->remember();
    qCDebug(lcPayment) << "new payment" << h.paymentId;
    return doc;
}

std::unique_ptr<PaymentDocument> PaymentDocument::openExisting(Database& db, Dialogs& dialogs,
                                                               qint64 paymentId)
{
    std::optional<StoredPayment> stored = paymentstore::load(db, paymentId);
    if (!stored)
        return nullptr;
    std::unique_ptr<PaymentDocument> doc(new PaymentDocument(db, dialogs));
    doc->header_ = stored->header;
    doc->d_->lines = stored->lines;
    doc->lookUpCustomerAndBank();
    doc->remember();
    qCDebug(lcPayment) << "opened payment" << paymentId << doc->header_.chequeNo
                       << doc->d_->lines.size() << "lines";
    return doc;
}

// ----- the header as it stands

QString PaymentDocument::customerNo() const
{
    return d_->customer ? d_->customer->customerNo : QString();
}

QString PaymentDocument::address() const
{
    return d_->customer ? d_->customer->address : QString();
}

std::optional<qint64> PaymentDocument::customerCurrencyId() const
{
    return d_->customer ? d_->customer->currencyId : std::nullopt;
}

std::optional<qint64> PaymentDocument::bankCurrencyId() const
{
    return d_->bank ? d_->bank->currencyId : std::nullopt;
}

QString PaymentDocument::caption() const
{
    if (header_.chequeNo.isEmpty() && d_->headerState == State::Insert)
        return paymentmsg::kNewPaymentCaption;
    return paymentmsg::paymentCaption(header_.chequeNo);
}

Money PaymentDocument::allocatedSum() const
{
    Money sum;
    for (const PaymentLine& line : d_->lines)
        sum += line.paymentAmount.value_or(Money());
    return sum;
}

// ----- state

PaymentDocument::State PaymentDocument::headerState() const
{
    return d_->headerState;
}

PaymentDocument::State PaymentDocument::lineState() const
{
    return d_->lineState;
}

bool PaymentDocument::isEditing() const
{
    return d_->headerState != State::Browse || d_->lineState != State::Browse;
}

bool PaymentDocument::isUntouchedNew() const
{
    return d_->headerState == State::Insert && !d_->modified && !d_->pendingTouched;
}

bool PaymentDocument::hasBeenStored() const
{
    return d_->storedOnce;
}

// ----- the header

void PaymentDocument::beginHeaderEdit()
{
    if (header_.posted)
        throw PaymentRefusal(paymentmsg::kPostedLocked);
    if (d_->headerState != State::Browse)
        return;
    d_->headerState = State::Edit;
    // New lines are numbered after every line stored, here or by another workstation.
    int highest = paymentstore::maxStoredSeq(d_->db, header_.paymentId);
    for (const PaymentLine& line : d_->lines)
        highest = std::max(highest, line.seq);
    d_->nextLineNumber = highest + 1;
}

template <typename T> void PaymentDocument::changeHeader(T PaymentHeader::*field, const T& value)
{
    if (header_.*field == value)
        return;
    beginHeaderEdit();
    header_.*field = value;
    d_->modified = true;
}

bool PaymentDocument::hasLines() const
{
    return !d_->lines.isEmpty() || (d_->lineState == State::Insert && d_->pending.arInvoiceId);
}

void PaymentDocument::lookUpCustomerAndBank()
{
    d_->customer = header_.customerId ? paymentlookup::customerById(d_->db, *header_.customerId)
                                      : std::nullopt;
    d_->bank = header_.bankId ? paymentlookup::bankById(d_->db, *header_.bankId) : std::nullopt;
}

void PaymentDocument::setCustomerNoText(const QString& text)
{
    const QString typed = text.trimmed();
    if (typed == customerNo())
        return;
    beginHeaderEdit();
    if (hasLines())
        throw PaymentRefusal(paymentmsg::kCustomerHasLines, PaymentField::CustomerNo);
    if (typed.isEmpty()) {
        setCustomerId(std::nullopt);
        return;
    }
    const std::optional<PayingCustomer> customer = paymentlookup::customerByNo(d_->db, typed);
    if (!customer)
        throw PaymentRefusal(paymentmsg::customerNoNotFound(typed), PaymentField::CustomerNo);
    setCustomerId(customer->customerId);
}

void PaymentDocument::setCustomerId(std::optional<qint64> customerId)
{
    if (customerId == header_.customerId)
        return;
    beginHeaderEdit();
    if (hasLines())
        throw PaymentRefusal(paymentmsg::kCustomerHasLines, PaymentField::CustomerNo);
    std::optional<PayingCustomer> customer;
    if (customerId) {
        customer = paymentlookup::customerById(d_->db, *customerId);
        if (!customer)
            throw PaymentRefusal(paymentmsg::kCustomerNotFound, PaymentField::CustomerNo);
    }
    header_.customerId = customerId;
    d_->customer = customer;
    d_->modified = true;
    if (customer)
        followCustomerCurrency();
}

// A bank of the customer's currency stays; otherwise the first of that currency by name, if any.
void PaymentDocument::followCustomerCurrency()
{
    const qint64 currency = d_->customer->currencyId.value_or(0);
    if (d_->bank && d_->bank->currencyId.value_or(0) == currency)
        return;
    if (const std::optional<qint64> first =
            paymentlookup::firstBankOfCurrency(d_->db, d_->customer->currencyId))
        setBankId(first);
}

void PaymentDocument::setBankId(std::optional<qint64> bankId)
{
    if (bankId == header_.bankId)
        return;
    changeHeader(&PaymentHeader::bankId, bankId);
    d_->bank = bankId ? paymentlookup::bankById(d_->db, *bankId) : std::nullopt;
}

void PaymentDocument::setChequeNo(const QString& chequeNo)
{
    changeHeader(&PaymentHeader::chequeNo, chequeNo.trimmed().left(kChequeNoSize));
}

void PaymentDocument::setPaymentDate(const QDate& date)
{
    changeHeader(&PaymentHeader::paymentDate, date.isValid() ? date : QDate());
}

void PaymentDocument::setGLPeriod(std::optional<int> period)
{
    if (const QString refusal = accountingperiod::periodRefusal(period); !refusal.isEmpty())
        throw PaymentRefusal(refusal, PaymentField::Period);
    changeHeader(&PaymentHeader::glPeriod, period);
}

void PaymentDocument::setGLYear(std::optional<int> year)
{
    changeHeader(&PaymentHeader::glYear, year);
}

void PaymentDocument::setChequeAmount(std::optional<Money> amount)
{
    changeHeader(&PaymentHeader::chequeAmount, amount);
}

// ----- allocation lines

bool PaymentDocument::outstandingOnly() const
{
    return d_->outstandingOnly;
}

void PaymentDocument::setOutstandingOnly(bool on)
{
    d_->outstandingOnly = on;
}

QList<AllocatedInvoice> PaymentDocument::invoicesOffered() const
{
    if (!header_.customerId)
        return {};
    const std::optional<qint64> current =
        d_->lineState != State::Browse ? d_->pending.arInvoiceId : std::nullopt;
    QList<AllocatedInvoice> offered = paymentlookup::invoicesOfCustomer(
        d_->db, *header_.customerId, d_->outstandingOnly, current);
    for (const AllocatedInvoice& invoice : offered)
        d_->invoices.insert(invoice.arInvoiceId, invoice);
    return offered;
}

int PaymentDocument::lineCount() const
{
    return int(d_->lines.size()) + (d_->lineState == State::Insert ? 1 : 0);
}

const PaymentLine& PaymentDocument::line(int row) const
{
    if (d_->lineState != State::Browse && row == d_->editingRow)
        return d_->pending;
    if (row < 0 || row >= d_->lines.size())
        throw std::out_of_range("no such payment line");
    return d_->lines.at(row);
}

std::optional<AllocatedInvoice> PaymentDocument::lineInvoice(int row) const
{
    return d_->cachedInvoice(line(row).arInvoiceId);
}

QString PaymentDocument::lineWriteOffAccountNo(int row) const
{
    const std::optional<GLAccountInfo> account = d_->cachedAccount(line(row).writeOffGLAccountId);
    return account ? account->glAccount : QString();
}

QString PaymentDocument::lineWriteOffAccountName(int row) const
{
    const std::optional<GLAccountInfo> account = d_->cachedAccount(line(row).writeOffGLAccountId);
    return account ? account->accountName : QString();
}

int PaymentDocument::editingRow() const
{
    return d_->lineState == State::Browse ? -1 : d_->editingRow;
}

void PaymentDocument::requireLine() const
{
    if (d_->lineState == State::Browse)
        throw std::logic_error("no payment line is being appended or changed");
}

void PaymentDocument::touchLine()
{
    d_->pendingTouched = true;
}

void PaymentDocument::endLineEdit()
{
    d_->lineState = State::Browse;
    d_->editingRow = -1;
    d_->pending = PaymentLine();
    d_->pendingTouched = false;
}

void PaymentDocument::appendLine()
{
    if (d_->lineState != State::Browse)
        leaveLine();
    beginHeaderEdit();
    d_->pending = PaymentLine();
    d_->pendingTouched = false;
    d_->editingRow = int(d_->lines.size());
    d_->lineState = State::Insert;
}

void PaymentDocument::editLine(int row)
{
    if (d_->lineState != State::Browse && row == d_->editingRow)
        return;
    if (d_->lineState != State::Browse)
        leaveLine();
    if (row < 0 || row >= d_->lines.size())
        throw std::out_of_range("no such payment line");
    beginHeaderEdit();
    d_->pending = d_->lines.at(row);
    d_->pendingTouched = false;
    d_->editingRow = row;
    d_->lineState = State::Edit;
}

std::optional<AllocatedInvoice> PaymentDocument::freshInvoice(qint64 arInvoiceId)
{
    std::optional<AllocatedInvoice> invoice = paymentlookup::invoiceById(d_->db, arInvoiceId);
    d_->invoices.insert(arInvoiceId, invoice);
    return invoice;
}

std::optional<AllocatedInvoice> PaymentDocument::pendingInvoice()
{
    return d_->pending.arInvoiceId ? freshInvoice(*d_->pending.arInvoiceId) : std::nullopt;
}

void PaymentDocument::chooseLineInvoice(qint64 arInvoiceId)
{
    requireLine();
    const std::optional<AllocatedInvoice> invoice = freshInvoice(arInvoiceId);
    // Only the customer's own invoices are offered.
    if (!invoice || invoice->customerId != header_.customerId.value_or(-1))
        throw PaymentRefusal(paymentmsg::kInvoiceNotFound, PaymentField::InvoiceColumn);
    if (!invoice->posted)
        throw PaymentRefusal(paymentmsg::invoiceNotPosted(invoice->invoiceNo),
                             PaymentField::InvoiceColumn);
    for (int row = 0; row < d_->lines.size(); ++row) {
        if (row != d_->editingRow && d_->lines.at(row).arInvoiceId == arInvoiceId)
            throw PaymentRefusal(paymentmsg::invoiceAlreadyApplied(invoice->invoiceNo),
                                 PaymentField::InvoiceColumn);
    }
    d_->pending.arInvoiceId = arInvoiceId;
    touchLine();
}

void PaymentDocument::setLineInvoiceNo(const QString& invoiceNo)
{
    requireLine();
    const QString typed = invoiceNo.trimmed();
    if (typed.isEmpty()) {
        d_->pending.arInvoiceId.reset();
        touchLine();
        return;
    }
    const std::optional<AllocatedInvoice> invoice =
        header_.customerId
            ? paymentlookup::invoiceOfCustomerByNo(d_->db, *header_.customerId, typed)
            : std::nullopt;
    if (!invoice)
        throw PaymentRefusal(paymentmsg::invoiceNoNotFound(typed), PaymentField::InvoiceColumn);
    chooseLineInvoice(invoice->arInvoiceId);
}

void PaymentDocument::setLinePaymentAmount(std::optional<Money> amount)
{
    requireLine();
    d_->pending.paymentAmount = amount;
    touchLine();
}

void PaymentDocument::setLineDiscTakenAmount(std::optional<Money> amount)
{
    requireLine();
    d_->pending.discTakenAmount = amount;
    touchLine();
}

void PaymentDocument::setLineWriteOffAmount(std::optional<Money> amount)
{
    requireLine();
    takeWriteOffAmount(amount);
}

// No write-off needs no account; one without an account is charged to the currency's default.
void PaymentDocument::takeWriteOffAmount(std::optional<Money> amount)
{
    d_->pending.writeOffAmount = amount;
    if (isZero(amount))
        d_->pending.writeOffGLAccountId.reset();
    else if (!d_->pending.writeOffGLAccountId)
        d_->pending.writeOffGLAccountId =
            paymentlookup::defaultWriteOffAccount(d_->db, customerCurrencyId());
    touchLine();
}

void PaymentDocument::setLineWriteOffAccountNo(const QString& accountNo)
{
    requireLine();
    const QString typed = accountNo.trimmed();
    if (typed.isEmpty()) {
        d_->pending.writeOffGLAccountId.reset();
        touchLine();
        return;
    }
    const std::optional<GLAccountInfo> account = paymentlookup::accountByNo(d_->db, typed);
    if (!account)
        throw PaymentRefusal(paymentmsg::kAccountNotFound, PaymentField::WriteOffAccountColumn);
    if (account->suspended)
        throw PaymentRefusal(paymentmsg::kAccountSuspended, PaymentField::WriteOffAccountColumn);
    d_->accounts.insert(account->glAccountId, account);
    d_->pending.writeOffGLAccountId = account->glAccountId;
    touchLine();
}

void PaymentDocument::chooseLineWriteOffAccountByName(qint64 glAccountId)
{
    requireLine();
    const std::optional<GLAccountInfo> account = paymentlookup::accountById(d_->db, glAccountId);
    d_->accounts.insert(glAccountId, account);
    if (account && account->suspended)
        throw PaymentRefusal(paymentmsg::accountSuspended(account->glAccount, account->accountName),
                             PaymentField::AccountNameColumn);
    d_->pending.writeOffGLAccountId = glAccountId;
    touchLine();
}

void PaymentDocument::payNoDiscount()
{
    requireLine();
    const std::optional<AllocatedInvoice> invoice = pendingInvoice();
    if (!invoice)
        return;
    d_->pending.paymentAmount = invoice->owing;
    d_->pending.discTakenAmount.reset();
    takeWriteOffAmount(std::nullopt);
}

void PaymentDocument::payTakeDiscount()
{
    requireLine();
    const std::optional<AllocatedInvoice> invoice = pendingInvoice();
    if (!invoice)
        return;
    const std::optional<Money> discount = invoice->discountAmount();
    d_->pending.paymentAmount = invoice->owing - discount.value_or(Money());
    d_->pending.discTakenAmount = discount;
    takeWriteOffAmount(std::nullopt);
}

void PaymentDocument::payDiscountIfEligible()
{
    requireLine();
    const std::optional<AllocatedInvoice> invoice = pendingInvoice();
    if (!invoice)
        return;
    const QDate lastDay = invoice->discountDate();
    if (lastDay.isValid() && header_.paymentDate.isValid() && lastDay >= header_.paymentDate)
        payTakeDiscount();
    else
        payNoDiscount();
}

void PaymentDocument::writeOff()
{
    requireLine();
    const std::optional<AllocatedInvoice> invoice = pendingInvoice();
    if (!invoice)
        return;
    d_->pending.paymentAmount.reset();
    d_->pending.discTakenAmount.reset();
    takeWriteOffAmount(invoice->owing);
}

void PaymentDocument::storeLine()
{
    requireLine();
    PaymentLine& line = d_->pending;
    if (!line.arInvoiceId)
        throw PaymentRefusal(paymentmsg::kInvoiceRequired, PaymentField::InvoiceColumn);
    // What the invoice owes as stored, before this payment.
    const std::optional<AllocatedInvoice> invoice = freshInvoice(*line.arInvoiceId);
    if (!invoice)
        throw PaymentRefusal(paymentmsg::kInvoiceNotFound, PaymentField::InvoiceColumn);
    const Money owing = invoice->owing;
    const Money paid = line.paymentAmount.value_or(Money());
    const Money discount = line.discTakenAmount.value_or(Money());
    if (!discount.isZero() && owing != line.settledAmount())
        throw PaymentRefusal(paymentmsg::kDiscountNeedsFullPayment, PaymentField::DiscountColumn);
    if (line.writeOffGLAccountId && isZero(line.writeOffAmount)) {
        const Money remaining = owing - paid - discount;
        if (!remaining.isZero() &&
            d_->dialogs.ask(Dialogs::Kind::Confirmation, paymentmsg::writeOffRemaining(remaining),
                            Dialogs::Yes | Dialogs::No) == Dialogs::Yes) {
            line.writeOffAmount = remaining;
            touchLine();
            throw PaymentAbandoned(PaymentField::WriteOffColumn);
        }
    }
    if (!isZero(line.writeOffAmount) && owing != line.settledAmount())
        throw PaymentRefusal(paymentmsg::writeOffMustEqualBalance(owing - paid - discount),
                             PaymentField::WriteOffColumn);
    if (d_->lineState == State::Insert) {
        PaymentLine stored = line;
        stored.seq = d_->nextLineNumber++;
        d_->lines.append(stored);
    } else {
        d_->lines[d_->editingRow] = line;
    }
    d_->modified = true;
    endLineEdit();
}

void PaymentDocument::leaveLine()
{
    if (d_->lineState == State::Browse)
        return;
    if (!d_->pendingTouched)
        cancelLine();
    else
        storeLine();
}

void PaymentDocument::cancelLine()
{
    endLineEdit();
}

void PaymentDocument::deleteLine(int row)
{
    if (d_->lineState == State::Insert && row == d_->editingRow) {
        cancelLine();
        return;
    }
    if (row < 0 || row >= d_->lines.size())
        throw std::out_of_range("no such payment line");
    beginHeaderEdit();
    if (d_->lineState != State::Browse) {
        if (row == d_->editingRow)
            cancelLine();
        else
            leaveLine();
    }
    d_->lines.removeAt(row);
    d_->modified = true;
}

// ----- finishing

void PaymentDocument::remember()
{
    d_->saved = {header_, d_->lines, d_->headerState, d_->nextLineNumber};
}

void PaymentDocument::ok()
{
    if (d_->lineState != State::Browse)
        leaveLine();
    if (d_->headerState == State::Browse)
        return;
    checkPaymentBeforeStore(d_->db, d_->dialogs, header_, int(d_->lines.size()), allocatedSum());
    paymentstore::write(d_->db, header_, d_->lines, d_->headerState == State::Insert);
    qCDebug(lcPayment) << "stored payment" << header_.paymentId << header_.chequeNo
                       << d_->lines.size() << "lines, amount"
                       << header_.chequeAmount.value_or(Money());
    d_->headerState = State::Browse;
    d_->storedOnce = true;
    d_->modified = false;
    remember();
}

void PaymentDocument::cancel()
{
    if (!isEditing())
        return;
    endLineEdit();
    header_ = d_->saved.header;
    d_->lines = d_->saved.lines;
    d_->headerState = d_->saved.headerState;
    d_->nextLineNumber = d_->saved.nextLineNumber;
    d_->modified = false;
    lookUpCustomerAndBank();
    qCDebug(lcPayment) << "cancelled changes to payment" << header_.paymentId;
}

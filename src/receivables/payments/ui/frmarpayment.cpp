#include "receivables/payments/ui/frmarpayment.h"

#include "common/formats.h"
#include "common/formatsettings.h"
#include "common/ui/dateentry.h"
#include "common/ui/fontfactor.h"
#include "common/ui/keyboard.h"
#include "common/ui/windowparts.h"
#include "data/lookups.h"
#include "receivables/accountingperiod.h"
#include "receivables/payments/paymentdocument.h"
#include "receivables/payments/paymentmessages.h"
#include "receivables/payments/paymentperiodfields.h"
#include "receivables/payments/ui/allocationgrid.h"
#include "receivables/payments/ui/allocationlinesmodel.h"
#include "receivables/ui/customerboxes.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace
{

QString money(Money amount)
{
    return formatFloat(QString(kMoneyListFormat), amount);
}

} // namespace

TfrmARPayment::TfrmARPayment(Database& db, TdmLookUps& lookups, QWidget* parent)
    : QWidget(parent, Qt::Window), db_(db), lookups_(lookups), dialogs_(this)
{
    setUpDocumentWindow(this, QStringLiteral("frmARPayment"), QStringLiteral("New Payment"));
    buildHeader();
    buildGrid();
    loadPickLists();
    // Tab, like Enter, goes from the customer number to the bank; the customer drop-down is
    // one Shift+Tab back.
    const QList<QWidget*> order{cboCustomer, editCustomerNo, cboBank,  editChequeNo,
                                dateCheque,  spinPeriod,     editYear, editChequeAmount,
                                grid,        btnOK,          btnCancel};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    resize(900, 540);
    applyFontFactor(this);
}

TfrmARPayment::~TfrmARPayment() = default;

TfrmARPayment* TfrmARPayment::showNew(Database& db, TdmLookUps& lookups, QWidget* parent)
{
    auto* window = new TfrmARPayment(db, lookups, parent);
    window->openNew();
    window->show();
    return window;
}

TfrmARPayment* TfrmARPayment::showExisting(Database& db, TdmLookUps& lookups, qint64 paymentId,
                                           QWidget* parent)
{
    auto* window = new TfrmARPayment(db, lookups, parent);
    if (!window->openExisting(paymentId)) {
        delete window;
        return nullptr;
    }
    window->show();
    return window;
}

void TfrmARPayment::buildHeader()
{
    btnCustomer = new QPushButton(QStringLiteral("Client:"), this);
    btnCustomer->setObjectName(QStringLiteral("btnCustomer"));
    btnCustomer->setFocusPolicy(Qt::NoFocus);
    auto* customerRow = makeCustomerBoxes(this, editCustomerNo, cboCustomer);
    lblAddress = new QLabel(this);
    lblAddress->setObjectName(QStringLiteral("lblAddress"));
    btnBank = new QPushButton(QStringLiteral("Bank:"), this);
    btnBank->setObjectName(QStringLiteral("btnBank"));
    btnBank->setFocusPolicy(Qt::NoFocus);
    cboBank = new QComboBox(this);
    cboBank->setObjectName(QStringLiteral("cboBank"));
    editChequeNo = new QLineEdit(this);
    editChequeNo->setObjectName(QStringLiteral("editChequeNo"));
    editChequeNo->setMaxLength(8);
    editChequeNo->setMaximumWidth(110);
    dateCheque = new DateEntry(this);
    dateCheque->setObjectName(QStringLiteral("dateCheque"));
    dateCheque->setMaximumWidth(110);
    auto* periodRow = makePeriodBoxes(this, spinPeriod, editYear, 10);
    editChequeAmount = new QLineEdit(this);
    editChequeAmount->setObjectName(QStringLiteral("editChequeAmount"));
    editChequeAmount->setAlignment(Qt::AlignRight);
    editChequeAmount->setMaximumWidth(110);
    editChequeAmount->setPlaceholderText(QStringLiteral("from the lines"));
    lblReconciled = stateLabel(QStringLiteral("Reconciled"), QStringLiteral("lblReconciled"),
                               QStringLiteral("#006000"), this);
    lblPosted = stateLabel(QStringLiteral("POSTED"), QStringLiteral("lblPosted"),
                           QStringLiteral("#c00000"), this);
    updateListButtons();

    auto* stateRow = new QHBoxLayout;
    stateRow->addWidget(lblReconciled);
    stateRow->addWidget(lblPosted);
    stateRow->addStretch();

    auto* header = new QGridLayout;
    header->setHorizontalSpacing(8);
    header->setVerticalSpacing(6);
    header->addWidget(btnCustomer, 0, 0);
    header->addLayout(customerRow, 0, 1);
    header->addWidget(lblAddress, 1, 1);
    header->addWidget(btnBank, 2, 0);
    header->addWidget(cboBank, 2, 1);
    header->addLayout(stateRow, 3, 1);
    header->addWidget(captionLabel(QStringLiteral("Check no.:"), this), 0, 2);
    header->addWidget(editChequeNo, 0, 3);
    header->addWidget(captionLabel(QStringLiteral("Check date:"), this), 1, 2);
    header->addWidget(dateCheque, 1, 3);
    header->addWidget(captionLabel(QStringLiteral("Period:"), this), 2, 2);
    header->addLayout(periodRow, 2, 3);
    header->addWidget(captionLabel(QStringLiteral("Check amount:"), this), 3, 2);
    header->addWidget(editChequeAmount, 3, 3);
    header->setColumnStretch(1, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(header);

    for (QWidget* w :
         std::initializer_list<QWidget*>{cboCustomer, cboBank, editChequeNo, spinPeriod, editYear})
        enterMovesToNextControl(w);
    // Page Down from any header box, Enter in the customer number, the date and the amount
    // are the window's.
    for (QWidget* w :
         std::initializer_list<QWidget*>{editCustomerNo, cboCustomer, cboBank, editChequeNo,
                                         dateCheque, spinPeriod, editYear, editChequeAmount})
        w->installEventFilter(this);

    connect(editCustomerNo, &QLineEdit::editingFinished, this, [this] {
        // Taken once the focus has settled where the user sent it, so that a refusal brings it
        // back from there cleanly.
        QMetaObject::invokeMethod(
            this,
            [this] {
                // A number just refused is not refused again because its box lost the focus
                // to the message.
                if (editCustomerNo->text().trimmed() != refusedCustomerNo_)
                    takeCustomerNo();
            },
            Qt::QueuedConnection);
    });
    connect(editCustomerNo, &QLineEdit::textEdited, this, [this] { refusedCustomerNo_.clear(); });
    connect(cboCustomer, &QComboBox::activated, this, [this](int index) {
        const QVariant id = cboCustomer->itemData(index);
        apply([this, id] {
            document_->setCustomerId(id.isValid() ? std::optional<qint64>(id.toLongLong())
                                                  : std::nullopt);
        });
    });
    connect(cboBank, &QComboBox::activated, this, [this](int index) {
        const QVariant id = cboBank->itemData(index);
        apply([this, id] {
            document_->setBankId(id.isValid() ? std::optional<qint64>(id.toLongLong())
                                              : std::nullopt);
        });
    });
    connect(editChequeNo, &QLineEdit::editingFinished, this, [this] {
        if (document_ && editChequeNo->text() != document_->header().chequeNo)
            apply([this] { document_->setChequeNo(editChequeNo->text()); });
    });
    connect(dateCheque, &DateEntry::dateEdited, this, [this](const QDate& date) {
        apply([this, date] { document_->setPaymentDate(date); });
    });
    connect(dateCheque, &DateEntry::invalidDate, this, [this](const QString& message) {
        dialogs_.inform(Dialogs::Kind::Error, message);
        dateCheque->setFocus();
    });
    connect(spinPeriod, &QSpinBox::valueChanged, this, [this](int value) {
        if (!showing_)
            apply([this, value] {
                document_->setGLPeriod(value == 0 ? std::nullopt : std::optional<int>(value));
            });
    });
    connect(editYear, &QLineEdit::editingFinished, this, [this] {
        if (!document_ ||
            editYear->text() == accountingperiod::twoDigitYearText(document_->header().glYear))
            return;
        apply([this] { document_->setGLYear(paymentGLYearFromEditText(editYear->text())); });
    });
    connect(editChequeAmount, &QLineEdit::editingFinished, this, [this] { takeChequeAmount(); });
    connect(btnCustomer, &QPushButton::clicked, this, [this] {
        if (openCustomerList)
            openCustomerList(document_ ? document_->header().customerId.value_or(0) : 0);
    });
    connect(btnBank, &QPushButton::clicked, this, [this] {
        if (openBankList)
            openBankList(document_ ? document_->header().bankId.value_or(0) : 0);
    });
}

void TfrmARPayment::updateListButtons()
{
    offerCustomerList(btnCustomer, bool(openCustomerList));
    btnBank->setEnabled(bool(openBankList));
    btnBank->setToolTip(openBankList ? QStringLiteral("Open the bank list at this bank")
                                     : QStringLiteral("The bank list is not available here"));
}

void TfrmARPayment::buildGrid()
{
    grid = new AllocationGrid(this);
    grid->setAccounts(lookups_.tblGLAccnt);
    static_cast<QVBoxLayout*>(layout())->addWidget(grid, 1);
    connect(grid, &LineGrid::appendRequested, this, &TfrmARPayment::appendLine);
    connect(grid, &LineGrid::deleteRequested, this, &TfrmARPayment::deleteLine);
    connect(grid, &LineGrid::advanceRequested, this, &TfrmARPayment::advanceInGrid);
    connect(grid, &LineGrid::rowLeft, this, [this](int fromRow, int) { leaveRow(fromRow); });
    connect(grid, &LineGrid::cancelLineRequested, this, &TfrmARPayment::cancelLine);
    connect(grid, &LineGrid::lockedChangeAttempted, this, &TfrmARPayment::refusePostedChange);
    connect(grid, &AllocationGrid::outstandingToggled, this,
            [this](bool on) { apply([this, on] { document_->setOutstandingOnly(on); }); });
    connect(grid, &AllocationGrid::payNoDiscountRequested, this,
            [this] { fillLine(&PaymentDocument::payNoDiscount); });
    connect(grid, &AllocationGrid::payTakeDiscountRequested, this,
            [this] { fillLine(&PaymentDocument::payTakeDiscount); });
    connect(grid, &AllocationGrid::payDiscountIfEligibleRequested, this,
            [this] { fillLine(&PaymentDocument::payDiscountIfEligible); });
    connect(grid, &AllocationGrid::writeOffRequested, this,
            [this] { fillLine(&PaymentDocument::writeOff); });

    lblAllocated = amountLabel(QStringLiteral("lblAllocated"), 110, this);
    lblKeys = new QLabel(
        QStringLiteral("F5 Pay   F6 Pay + discount   F7 Discount if eligible   F8 Write-off   "
                       "Ctrl+Ins New line   Ctrl+Del Delete   Esc Undo line"),
        this);
    lblKeys->setObjectName(QStringLiteral("lblKeys"));
    lblKeys->setStyleSheet(QStringLiteral("color: #555555;"));
    auto* buttons = makeOkCancel(this, btnOK, btnCancel);
    connect(btnOK, &QPushButton::clicked, this, &TfrmARPayment::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmARPayment::btnCancelClick);
    auto* totals = new QHBoxLayout;
    totals->addWidget(lblKeys, 1);
    totals->addWidget(captionLabel(QStringLiteral("Applied:"), this));
    totals->addWidget(lblAllocated);
    static_cast<QVBoxLayout*>(layout())->addLayout(totals);
    static_cast<QVBoxLayout*>(layout())->addLayout(buttons);
}

void TfrmARPayment::loadPickLists()
{
    fillCustomerPickList(cboCustomer, lookups_);
    lookups_.tblBank->open();
    cboBank->addItem(QString());
    for (int row = 0; row < lookups_.tblBank->rowCount(); ++row)
        cboBank->addItem(lookups_.tblBank->value(row, QStringLiteral("BankName")).toString(),
                         lookups_.tblBank->value(row, QStringLiteral("BankID")));
}

void TfrmARPayment::openNew()
{
    attach(PaymentDocument::openNew(db_, dialogs_));
    editCustomerNo->setFocus();
}

bool TfrmARPayment::openExisting(qint64 paymentId)
{
    auto document = PaymentDocument::openExisting(db_, dialogs_, paymentId);
    if (!document)
        return false;
    attach(std::move(document));
    if (lines_->rowCount() > 0)
        grid->setCurrentIndex(lines_->index(0, int(AllocationColumn::Invoice)));
    return true;
}

void TfrmARPayment::attach(std::unique_ptr<PaymentDocument> document)
{
    document_ = std::move(document);
    grid->setDocument(document_.get());
    delete lines_;
    lines_ = new AllocationLinesModel(*document_, dialogs_, this);
    grid->showLines(lines_, {100, 80, 100, 100, 90, 90, 100});
    {
        const QSignalBlocker quiet(grid->actionOutstanding);
        grid->actionOutstanding->setChecked(document_->outstandingOnly());
    }
    connect(lines_, &AllocationLinesModel::documentChanged, this, &TfrmARPayment::showDocument);
    connect(lines_, &AllocationLinesModel::refused, grid, &LineGrid::valueRefused);
    showDocument();
}

void TfrmARPayment::showDocument()
{
    if (!document_)
        return;
    showing_ = true;
    const PaymentHeader& h = document_->header();
    const bool posted = document_->isPosted();
    setWindowTitle(document_->caption());
    {
        const QSignalBlocker a(editCustomerNo), b(cboCustomer), c(spinPeriod), d(cboBank);
        editCustomerNo->setText(document_->customerNo());
        cboCustomer->setCurrentIndex(
            h.customerId ? std::max(0, cboCustomer->findData(QVariant(*h.customerId))) : 0);
        lblAddress->setText(document_->address());
        cboBank->setCurrentIndex(h.bankId ? std::max(0, cboBank->findData(QVariant(*h.bankId)))
                                          : 0);
        editChequeNo->setText(h.chequeNo);
        dateCheque->setDate(h.paymentDate);
        spinPeriod->setValue(h.glPeriod.value_or(0));
        editYear->setText(accountingperiod::twoDigitYearText(h.glYear));
        editChequeAmount->setText(h.chequeAmount ? money(*h.chequeAmount) : QString());
    }
    lblReconciled->setVisible(h.reconciled);
    lblPosted->setVisible(posted);
    for (QLineEdit* box : {editCustomerNo, editChequeNo, editYear, editChequeAmount})
        box->setReadOnly(posted);
    dateCheque->setReadOnly(posted);
    spinPeriod->setReadOnly(posted);
    cboCustomer->setEnabled(!posted);
    cboBank->setEnabled(!posted);
    grid->setLocked(posted);
    lblKeys->setVisible(!posted);
    lblAllocated->setText(money(document_->allocatedSum()));
    showing_ = false;
}

bool TfrmARPayment::apply(const std::function<void()>& change)
{
    if (!document_)
        return false;
    bool done = true;
    try {
        change();
    } catch (const PaymentRefusal& refusal) {
        dialogs_.inform(Dialogs::Kind::Error, refusal.message());
        focusOn(refusal.focus());
        done = false;
    } catch (const PaymentAbandoned& abandoned) {
        focusOn(abandoned.focus());
        done = false;
    } catch (const std::exception& e) {
        dialogs_.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
        done = false;
    }
    if (lines_)
        lines_->sync();
    else
        showDocument();
    return done;
}

void TfrmARPayment::focusOn(PaymentField field)
{
    lastFocus_ = field;
    auto cell = [this](AllocationColumn column) {
        grid->focusCell(document_->editingRow(), int(column));
    };
    switch (field) {
    case PaymentField::CustomerNo:
        editCustomerNo->setFocus();
        editCustomerNo->selectAll();
        break;
    case PaymentField::Bank:
        cboBank->setFocus();
        break;
    case PaymentField::ChequeNo:
        editChequeNo->setFocus();
        break;
    case PaymentField::PaymentDate:
        dateCheque->setFocus();
        break;
    case PaymentField::Period:
        spinPeriod->setFocus();
        break;
    case PaymentField::Year:
        editYear->setFocus();
        break;
    case PaymentField::ChequeAmount:
        editChequeAmount->setFocus();
        editChequeAmount->selectAll();
        break;
    case PaymentField::Lines:
        grid->setFocus();
        break;
    case PaymentField::InvoiceColumn:
        cell(AllocationColumn::Invoice);
        break;
    case PaymentField::PaymentColumn:
        cell(AllocationColumn::Payment);
        break;
    case PaymentField::DiscountColumn:
        cell(AllocationColumn::Discount);
        break;
    case PaymentField::WriteOffColumn:
        cell(AllocationColumn::WriteOff);
        break;
    case PaymentField::WriteOffAccountColumn:
        cell(AllocationColumn::WriteOffAccount);
        break;
    case PaymentField::AccountNameColumn:
        cell(AllocationColumn::AccountName);
        break;
    case PaymentField::None:
        break;
    }
}

bool TfrmARPayment::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !document_)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                       !(key->modifiers() & ~Qt::KeypadModifier);
    if (key->key() == Qt::Key_PageDown && key->modifiers() == Qt::NoModifier) {
        if (watched == editCustomerNo && !takeCustomerNo())
            return true;
        if (watched == editChequeAmount && !takeChequeAmount())
            return true;
        enterLines();
        return true;
    }
    // Enter with a customer number typed goes on to the bank, which follows the customer's
    // currency; a refused number keeps the cursor in the box.
    if (watched == editCustomerNo && enter) {
        if (!takeCustomerNo())
            return true;
        if (!editCustomerNo->text().trimmed().isEmpty())
            cboBank->setFocus();
        else
            focusNextChild();
        return true;
    }
    if (watched == dateCheque && enter) {
        focusNextChild();
        return true;
    }
    // The amount is the last box of the cheque: Enter goes on to the lines.
    if (watched == editChequeAmount && enter) {
        if (takeChequeAmount())
            enterLines();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool TfrmARPayment::takeCustomerNo()
{
    // The refusal's message box takes the focus from the box, which finishes its editing once
    // more: that must not refuse the same number again.
    if (takingCustomerNo_ || !document_ || document_->isPosted() ||
        editCustomerNo->text().trimmed() == document_->customerNo())
        return true;
    takingCustomerNo_ = true;
    const QString typed = editCustomerNo->text().trimmed();
    const bool taken = apply([this, typed] { document_->setCustomerNoText(typed); });
    refusedCustomerNo_ = taken ? QString() : typed;
    takingCustomerNo_ = false;
    return taken;
}

bool TfrmARPayment::takeChequeAmount()
{
    if (!document_ || document_->isPosted())
        return true;
    const QString text = editChequeAmount->text().trimmed();
    const auto& current = document_->header().chequeAmount;
    if (text == (current ? money(*current) : QString()))
        return true;
    return apply([this, text] {
        std::optional<Money> amount;
        if (!text.isEmpty()) {
            amount = Money::parse(text, currentFormatSettings());
            if (!amount)
                throw PaymentRefusal(QStringLiteral("'%1' is not a valid amount").arg(text),
                                     PaymentField::ChequeAmount);
        }
        document_->setChequeAmount(amount);
    });
}

void TfrmARPayment::enterLines()
{
    grid->setFocus();
    if (document_->lineCount() == 0) {
        if (!document_->isPosted())
            appendLine();
        return;
    }
    grid->setCurrentIndex(lines_->index(0, int(AllocationColumn::Invoice)));
}

void TfrmARPayment::appendLine()
{
    if (!document_ || document_->isPosted() || !grid->takeEditor())
        return;
    if (apply([this] { document_->appendLine(); })) {
        grid->setFocus();
        grid->setCurrentIndex(
            lines_->index(document_->lineCount() - 1, int(AllocationColumn::Invoice)));
    }
}

void TfrmARPayment::deleteLine()
{
    const int row = grid->currentIndex().row();
    if (!document_ || row < 0 || row >= document_->lineCount())
        return;
    grid->discardEditor();
    apply([this, row] { document_->deleteLine(row); });
    grid->keepCursorNear(row, std::max(0, grid->currentIndex().column()));
}

void TfrmARPayment::cancelLine()
{
    if (!document_ || document_->editingRow() < 0)
        return;
    const int row = document_->editingRow();
    const int column = std::max(0, grid->currentIndex().column());
    apply([this] { document_->cancelLine(); });
    grid->keepCursorNear(row, column);
}

void TfrmARPayment::leaveRow(int fromRow)
{
    if (!document_ || document_->editingRow() != fromRow)
        return;
    if (!apply([this] { document_->leaveLine(); })) {
        // The line stays being changed: the cursor goes back to it, where the refusal points.
        const PaymentField field = lastFocus_;
        QMetaObject::invokeMethod(
            this,
            [this, fromRow, field] {
                grid->setCurrentIndex(lines_->index(fromRow, 0));
                focusOn(field);
            },
            Qt::QueuedConnection);
    }
}

void TfrmARPayment::advanceInGrid()
{
    const QModelIndex at = grid->currentIndex();
    if (!at.isValid()) {
        appendLine();
        return;
    }
    auto column = static_cast<AllocationColumn>(at.column());
    // Enter passes over the invoice's own date and owing.
    if (column < AllocationColumn::Payment) {
        grid->setCurrentIndex(lines_->index(at.row(), int(AllocationColumn::Payment)));
        return;
    }
    if (column != AllocationColumn::AccountName) {
        grid->setCurrentIndex(lines_->index(at.row(), at.column() + 1));
        return;
    }
    if (at.row() + 1 < lines_->rowCount()) {
        grid->setCurrentIndex(lines_->index(at.row() + 1, int(AllocationColumn::Invoice)));
        return;
    }
    appendLine();
}

void TfrmARPayment::fillLine(void (PaymentDocument::*command)())
{
    if (!document_ || !grid->takeEditor())
        return;
    const int row = grid->currentIndex().row();
    if (row < 0 || row >= document_->lineCount())
        return;
    const int column = std::max(0, grid->currentIndex().column());
    if (apply([this, row, command] {
            if (document_->editingRow() != row)
                document_->editLine(row);
            (document_.get()->*command)();
        }))
        grid->setCurrentIndex(lines_->index(row, column));
}

void TfrmARPayment::refusePostedChange()
{
    dialogs_.inform(Dialogs::Kind::Error, paymentmsg::kPostedLocked);
}

bool TfrmARPayment::saveAndReport()
{
    if (!takeCustomerNo() || !takeChequeAmount() || !grid->takeEditor())
        return false;
    if (!apply([this] { document_->ok(); }))
        return false;
    if (document_->hasBeenStored())
        Q_EMIT paymentStored(document_->paymentId());
    return true;
}

void TfrmARPayment::btnOKClick()
{
    if (!document_)
        return;
    if (!saveAndReport())
        return;
    closing_ = true;
    close();
}

void TfrmARPayment::btnCancelClick()
{
    if (document_) {
        grid->discardEditor();
        apply([this] { document_->cancel(); });
    }
    closing_ = true;
    close();
}

void TfrmARPayment::closeEvent(QCloseEvent* event)
{
    if (closing_ || !document_) {
        event->accept();
        return;
    }
    answerCloseBox(
        event, dialogs_, document_->isEditing(), document_->isUntouchedNew(),
        [this] { return saveAndReport(); },
        [this] {
            grid->discardEditor();
            apply([this] { document_->cancel(); });
        });
}

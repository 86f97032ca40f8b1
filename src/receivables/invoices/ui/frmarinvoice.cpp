#include "receivables/invoices/ui/frmarinvoice.h"

#include "common/access.h"
#include "common/formats.h"
#include "common/ui/dateentry.h"
#include "common/ui/keyboard.h"
#include "common/ui/savechanges.h"
#include "data/lookups.h"
#include "engine/database.h"
#include "masterdata/ui/itemsearch.h"
#include "masterdata/ui/recipientlookup.h"
#include "receivables/invoices/invoicedocument.h"
#include "receivables/invoices/invoicemessages.h"
#include "receivables/invoices/periodfields.h"
#include "receivables/invoices/ui/invoicegrid.h"
#include "receivables/invoices/ui/invoicelinecolumns.h"
#include "receivables/invoices/ui/invoicelinesmodel.h"
#include "receivables/invoices/ui/invoiceview.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace
{

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLabel* amountLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(100);
    label->setFrameShape(QFrame::StyledPanel);
    return label;
}

QString money(Money amount)
{
    return formatFloat(QString(kMoneyListFormat), amount);
}

} // namespace

TfrmARInvoice::TfrmARInvoice(Database& db, TdmLookUps& lookups, QWidget* parent)
    : QWidget(parent, Qt::Window), db_(db), lookups_(lookups), dialogs_(this)
{
    setObjectName(QStringLiteral("frmARInvoice"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("AR Invoice"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);
    buildHeader();
    buildGridAndTotals();
    loadPickLists();
    resize(860, 560);
}

TfrmARInvoice::~TfrmARInvoice() = default;

void TfrmARInvoice::buildHeader()
{
    auto* header = new QGridLayout;
    header->setHorizontalSpacing(8);
    header->setVerticalSpacing(6);

    btnCustomer = new QPushButton(QStringLiteral("Client/Funder"), this);
    btnCustomer->setObjectName(QStringLiteral("btnCustomer"));
    btnCustomer->setEnabled(false); // until the window is told how to open the customer list
    btnCustomer->setToolTip(QStringLiteral("The customer list is not available here"));
    editCustomerNo = new QLineEdit(this);
    editCustomerNo->setObjectName(QStringLiteral("editCustomerNo"));
    editCustomerNo->setMaxLength(10);
    editCustomerNo->setMaximumWidth(110);
    cboCustomer = new QComboBox(this);
    cboCustomer->setObjectName(QStringLiteral("cboCustomer"));
    cboCustomer->setMinimumWidth(260);
    lblAddress = new QLabel(this);
    lblAddress->setObjectName(QStringLiteral("lblAddress"));
    lblTerms = new QLabel(this);
    lblTerms->setObjectName(QStringLiteral("lblTerms"));
    editDeliveredTo = new QLineEdit(this);
    editDeliveredTo->setObjectName(QStringLiteral("editDeliveredTo"));
    editDeliveredTo->setReadOnly(true);
    editDeliveredTo->setFocusPolicy(Qt::NoFocus);
    btnRecipient = new QPushButton(QStringLiteral("Delivered-to..."), this);
    btnRecipient->setObjectName(QStringLiteral("btnRecipient"));
    lblShipToAddress = new QLabel(this);
    lblShipToAddress->setObjectName(QStringLiteral("lblShipToAddress"));

    editInvoiceNo = new QLineEdit(this);
    editInvoiceNo->setObjectName(QStringLiteral("editInvoiceNo"));
    editInvoiceNo->setMaxLength(10);
    cboLocation = new QComboBox(this);
    cboLocation->setObjectName(QStringLiteral("cboLocation"));
    dateInvoice = new DateEntry(this);
    dateInvoice->setObjectName(QStringLiteral("dateInvoice"));
    spinPeriod = new QSpinBox(this);
    spinPeriod->setObjectName(QStringLiteral("spinPeriod"));
    spinPeriod->setRange(0, 12);
    spinPeriod->setSpecialValueText(QStringLiteral(" "));
    editYear = new QLineEdit(this);
    editYear->setObjectName(QStringLiteral("editYear"));
    editYear->setMaxLength(3);
    editYear->setMaximumWidth(40);
    editDescription = new QLineEdit(this);
    editDescription->setObjectName(QStringLiteral("editDescription"));
    editDescription->setMaxLength(60);
    chkPrinted = new QCheckBox(QStringLiteral("Printed"), this);
    chkPrinted->setObjectName(QStringLiteral("chkPrinted"));
    lblPosted = new QLabel(QStringLiteral("POSTED"), this);
    lblPosted->setObjectName(QStringLiteral("lblPosted"));
    QFont bold = lblPosted->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    lblPosted->setFont(bold);
    lblPosted->setStyleSheet(QStringLiteral("color: #c00000;"));

    auto* customerRow = new QHBoxLayout;
    customerRow->addWidget(editCustomerNo);
    customerRow->addWidget(cboCustomer, 1);
    auto* deliveredRow = new QHBoxLayout;
    deliveredRow->addWidget(editDeliveredTo, 1);
    deliveredRow->addWidget(btnRecipient);
    auto* periodRow = new QHBoxLayout;
    periodRow->addWidget(spinPeriod);
    periodRow->addWidget(new QLabel(QStringLiteral("Year:"), this));
    periodRow->addWidget(editYear);
    periodRow->addStretch();

    header->addWidget(btnCustomer, 0, 0);
    header->addLayout(customerRow, 0, 1);
    header->addWidget(lblAddress, 1, 1);
    header->addWidget(lblTerms, 2, 1);
    header->addWidget(caption(QStringLiteral("Delivered-to:"), this), 3, 0);
    header->addLayout(deliveredRow, 3, 1);
    header->addWidget(lblShipToAddress, 4, 1);
    header->addWidget(caption(QStringLiteral("Description:"), this), 5, 0);
    header->addWidget(editDescription, 5, 1);

    header->addWidget(caption(QStringLiteral("Invoice no.:"), this), 0, 2);
    header->addWidget(editInvoiceNo, 0, 3);
    header->addWidget(caption(QStringLiteral("Date:"), this), 1, 2);
    header->addWidget(dateInvoice, 1, 3);
    header->addWidget(caption(QStringLiteral("Period:"), this), 2, 2);
    header->addLayout(periodRow, 2, 3);
    header->addWidget(caption(QStringLiteral("Location:"), this), 3, 2);
    header->addWidget(cboLocation, 3, 3);
    header->addWidget(chkPrinted, 4, 3);
    header->addWidget(lblPosted, 5, 3);
    header->setColumnStretch(1, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(header);

    for (QWidget* w :
         std::initializer_list<QWidget*>{editInvoiceNo, editDescription, editYear, spinPeriod,
                                         cboLocation, cboCustomer, chkPrinted})
        enterMovesToNextControl(w);
    // Page Down from any header field, Enter in the customer number and the date, and keys
    // typed into a posted invoice are the window's.
    for (QWidget* w : std::initializer_list<QWidget*>{
             editCustomerNo, cboCustomer, editInvoiceNo, cboLocation, dateInvoice, spinPeriod,
             editYear, editDescription, chkPrinted, btnRecipient})
        w->installEventFilter(this);

    connect(editCustomerNo, &QLineEdit::editingFinished, this, [this] {
        // Taken once the focus has settled where the user sent it, so that a refusal brings it
        // back from there cleanly instead of in the middle of the move (the date box would
        // otherwise lose the focus it never got and read its shown text as a typed date).
        QMetaObject::invokeMethod(
            this, [this] { takeCustomerNo(); }, Qt::QueuedConnection);
    });
    connect(cboCustomer, &QComboBox::activated, this, [this](int index) {
        const QVariant id = cboCustomer->itemData(index);
        if (id.isValid())
            apply([this, id] { document_->chooseCustomer(id.toLongLong()); });
    });
    connect(editInvoiceNo, &QLineEdit::editingFinished, this, [this] {
        if (document_ && editInvoiceNo->text() != document_->header().invoiceNo)
            apply([this] { document_->setInvoiceNo(editInvoiceNo->text()); });
    });
    connect(cboLocation, &QComboBox::activated, this, [this](int index) {
        const QVariant id = cboLocation->itemData(index);
        apply([this, id] {
            document_->setWarehouseId(id.isValid() ? std::optional<qint64>(id.toLongLong())
                                                   : std::nullopt);
        });
    });
    connect(dateInvoice, &DateEntry::dateEdited, this, [this](const QDate& date) {
        apply([this, date] { document_->setInvoiceDate(date); });
    });
    connect(dateInvoice, &DateEntry::invalidDate, this, [this](const QString& message) {
        dialogs_.inform(Dialogs::Kind::Error, message);
        dateInvoice->setFocus();
    });
    connect(spinPeriod, &QSpinBox::valueChanged, this, [this](int value) {
        if (!showing_)
            apply([this, value] {
                document_->setGLPeriod(value == 0 ? std::nullopt : std::optional<int>(value));
            });
    });
    connect(editYear, &QLineEdit::editingFinished, this, [this] {
        if (document_ && editYear->text() != glYearEditText(document_->header().glYear))
            apply([this] { document_->setGLYear(glYearFromEditText(editYear->text())); });
    });
    connect(editDescription, &QLineEdit::editingFinished, this, [this] {
        if (document_ && editDescription->text() != document_->header().description)
            apply([this] { document_->setDescription(editDescription->text()); });
    });
    connect(chkPrinted, &QCheckBox::toggled, this, [this](bool on) {
        if (!showing_)
            apply([this, on] { document_->setPrinted(on); });
    });
    connect(btnRecipient, &QPushButton::clicked, this, &TfrmARInvoice::lookupRecipient);
    connect(btnCustomer, &QPushButton::clicked, this, [this] {
        if (openCustomerList_ && SecurityCheck(kAccessCustomers))
            openCustomerList_(document_ ? document_->header().customerId.value_or(0) : 0);
    });
}

void TfrmARInvoice::setOpenCustomerList(std::function<void(qint64 customerId)> open)
{
    openCustomerList_ = std::move(open);
    btnCustomer->setEnabled(bool(openCustomerList_));
    btnCustomer->setToolTip(openCustomerList_
                                ? QStringLiteral("Open the customer list at this customer")
                                : QStringLiteral("The customer list is not available here"));
}

void TfrmARInvoice::buildGridAndTotals()
{
    grid = new InvoiceGrid(this);
    static_cast<QVBoxLayout*>(layout())->addWidget(grid, 1);
    connect(grid, &InvoiceGrid::appendRequested, this, &TfrmARInvoice::appendLine);
    connect(grid, &InvoiceGrid::deleteRequested, this, &TfrmARInvoice::deleteLine);
    connect(grid, &InvoiceGrid::itemSearchRequested, this, &TfrmARInvoice::searchItem);
    connect(grid, &InvoiceGrid::advanceRequested, this, &TfrmARInvoice::advanceInGrid);
    connect(grid, &InvoiceGrid::rowLeft, this, [this](int fromRow, int) { leaveRow(fromRow); });
    connect(grid, &InvoiceGrid::cancelLineRequested, this, &TfrmARInvoice::cancelLine);
    connect(grid, &InvoiceGrid::lockedChangeAttempted, this, &TfrmARInvoice::refusePostedChange);

    lblTaxLine = new QLabel(this);
    lblTaxLine->setObjectName(QStringLiteral("lblTaxLine"));
    lblInvoiceAmount = amountLabel(QStringLiteral("lblInvoiceAmount"), this);
    lblPaid = amountLabel(QStringLiteral("lblPaid"), this);
    lblDiscount = amountLabel(QStringLiteral("lblDiscount"), this);
    lblWriteOff = amountLabel(QStringLiteral("lblWriteOff"), this);
    lblOwing = amountLabel(QStringLiteral("lblOwing"), this);
    auto* totals = new QGridLayout;
    totals->addWidget(lblTaxLine, 0, 0, 1, 1);
    const QList<QPair<QString, QLabel*>> amounts{
        {QStringLiteral("Invoice amount:"), lblInvoiceAmount},
        {QStringLiteral("Paid:"), lblPaid},
        {QStringLiteral("Discount taken:"), lblDiscount},
        {QStringLiteral("Written off:"), lblWriteOff},
        {QStringLiteral("Owing:"), lblOwing}};
    int row = 0;
    for (const auto& [text, label] : amounts) {
        totals->addWidget(caption(text, this), row, 1);
        totals->addWidget(label, row, 2);
        ++row;
    }
    totals->setColumnStretch(0, 1);

    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(btnOK, &QPushButton::clicked, this, &TfrmARInvoice::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmARInvoice::btnCancelClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    static_cast<QVBoxLayout*>(layout())->addLayout(totals);
    static_cast<QVBoxLayout*>(layout())->addLayout(buttons);
}

void TfrmARInvoice::loadPickLists()
{
    lookups_.tblCustomer->open();
    cboCustomer->addItem(QString());
    for (int row = 0; row < lookups_.tblCustomer->rowCount(); ++row) {
        cboCustomer->addItem(
            QStringLiteral("%1  (%2)")
                .arg(lookups_.tblCustomer->value(row, QStringLiteral("CustomerName")).toString(),
                     lookups_.tblCustomer->value(row, QStringLiteral("CustomerNo")).toString()),
            lookups_.tblCustomer->value(row, QStringLiteral("CustomerID")));
    }
    lookups_.tblWarehse->open();
    for (int row = 0; row < lookups_.tblWarehse->rowCount(); ++row)
        cboLocation->addItem(
            lookups_.tblWarehse->value(row, QStringLiteral("WarehouseName")).toString(),
            lookups_.tblWarehse->value(row, QStringLiteral("WarehouseID")));
}

void TfrmARInvoice::openNew()
{
    attach(InvoiceDocument::openNew(db_));
    editCustomerNo->setFocus();
}

void TfrmARInvoice::openCopy(std::unique_ptr<InvoiceDocument> document, const QString& caption)
{
    copyCaption_ = caption;
    attach(std::move(document));
    editCustomerNo->setFocus();
}

bool TfrmARInvoice::openExisting(qint64 invoiceId)
{
    auto document = InvoiceDocument::openExisting(db_, invoiceId);
    if (!document)
        return false;
    attach(std::move(document));
    // The cursor starts on the first line, as the grid's keys expect one.
    if (lines_->rowCount() > 0)
        grid->setCurrentIndex(lines_->index(0, int(LineColumn::Quantity)));
    return true;
}

void TfrmARInvoice::attach(std::unique_ptr<InvoiceDocument> document)
{
    document_ = std::move(document);
    delete lines_;
    lines_ = new InvoiceLinesModel(*document_, dialogs_, this);
    grid->setModel(lines_);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->setColumnWidth(0, 80);
    grid->setColumnWidth(1, 80);
    grid->setColumnWidth(2, 220);
    grid->setColumnWidth(3, 200);
    grid->setColumnWidth(4, 100);
    grid->horizontalHeader()->setStretchLastSection(true);
    connect(lines_, &InvoiceLinesModel::documentChanged, this, &TfrmARInvoice::showDocument);
    connect(lines_, &InvoiceLinesModel::refused, grid, &InvoiceGrid::valueRefused);
    showDocument();
}

void TfrmARInvoice::showDocument()
{
    if (!document_)
        return;
    showing_ = true;
    const InvoiceHeader& h = document_->header();
    const bool posted = document_->isPosted();
    setWindowTitle(copyCaption_.isEmpty() || document_->hasBeenStored()
                       ? invoiceview::caption(*document_)
                       : copyCaption_);
    {
        const QSignalBlocker a(editCustomerNo), b(cboCustomer), c(spinPeriod), d(chkPrinted),
            e(cboLocation);
        editCustomerNo->setText(document_->customerNo());
        cboCustomer->setCurrentIndex(std::max(
            0, cboCustomer->findData(h.customerId ? QVariant(*h.customerId) : QVariant())));
        if (!h.customerId)
            cboCustomer->setCurrentIndex(0);
        lblAddress->setText(document_->address());
        lblTerms->setText(document_->terms());
        lblAddress->setVisible(invoiceview::showsAddressAndTerms(*document_));
        lblTerms->setVisible(invoiceview::showsAddressAndTerms(*document_));
        editDeliveredTo->setText(invoiceview::deliveredToName(*document_));
        btnRecipient->setVisible(invoiceview::showsRecipientButton(*document_));
        lblShipToAddress->setText(document_->shipToAddress());
        lblShipToAddress->setVisible(invoiceview::showsShipToAddress(*document_));
        editInvoiceNo->setText(h.invoiceNo);
        const int location = h.warehouseId ? cboLocation->findData(QVariant(*h.warehouseId)) : -1;
        cboLocation->setCurrentIndex(location);
        dateInvoice->setDate(h.invoiceDate);
        spinPeriod->setValue(h.glPeriod.value_or(0));
        editYear->setText(glYearEditText(h.glYear));
        editDescription->setText(h.description);
        chkPrinted->setChecked(h.printed);
    }
    lblPosted->setVisible(posted);
    for (QWidget* w : std::initializer_list<QWidget*>{editInvoiceNo, editDescription, editYear})
        static_cast<QLineEdit*>(w)->setReadOnly(posted);
    editCustomerNo->setReadOnly(posted);
    cboCustomer->setEnabled(!posted);
    cboLocation->setEnabled(!posted);
    spinPeriod->setReadOnly(posted);
    dateInvoice->setReadOnly(posted);
    chkPrinted->setEnabled(!posted);
    btnRecipient->setEnabled(!posted);
    grid->setLocked(posted);
    lblTaxLine->setText(invoiceview::taxLine(*document_));
    lblInvoiceAmount->setText(money(h.invoiceAmount));
    lblPaid->setText(money(h.paidAmount));
    lblDiscount->setText(money(h.discTakenAmount));
    lblWriteOff->setText(money(h.writeOffAmount));
    lblOwing->setText(money(h.owing));
    showing_ = false;
}

bool TfrmARInvoice::apply(const std::function<void()>& change)
{
    if (!document_)
        return false;
    bool done = true;
    try {
        change();
    } catch (const InvoiceRefusal& refusal) {
        dialogs_.inform(Dialogs::Kind::Error, refusal.message());
        focusOn(refusal.focus());
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

void TfrmARInvoice::focusOn(InvoiceField field)
{
    auto cell = [this](LineColumn column) {
        const int row = document_->editingRow() >= 0 ? document_->editingRow()
                                                     : std::max(0, grid->currentIndex().row());
        grid->setFocus();
        if (lines_ && row < lines_->rowCount())
            grid->setCurrentIndex(lines_->index(row, int(column)));
    };
    switch (field) {
    case InvoiceField::CustomerNo:
        editCustomerNo->setFocus();
        break;
    case InvoiceField::InvoiceNo:
        editInvoiceNo->setFocus();
        break;
    case InvoiceField::InvoiceDate:
        dateInvoice->setFocus();
        break;
    case InvoiceField::Period:
        spinPeriod->setFocus();
        break;
    case InvoiceField::Year:
        editYear->setFocus();
        break;
    case InvoiceField::Location:
        cboLocation->setFocus();
        break;
    case InvoiceField::Lines:
        grid->setFocus();
        break;
    case InvoiceField::QuantityColumn:
        cell(LineColumn::Quantity);
        break;
    case InvoiceField::ItemColumn:
        cell(LineColumn::Item);
        break;
    case InvoiceField::OverrideDescriptionColumn:
        cell(LineColumn::OverrideDescription);
        break;
    case InvoiceField::UnitPriceColumn:
        cell(LineColumn::UnitPrice);
        break;
    case InvoiceField::None:
        break;
    }
}

namespace
{

// Keys that would change what a field holds (not those that only move around).
bool changesField(const QKeyEvent& key, const QObject* field, const QObject* spin)
{
    if (key.matches(QKeySequence::Paste) || key.matches(QKeySequence::Cut) ||
        key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo))
        return true;
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (key.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
        return field == spin;
    default:
        break;
    }
    return !key.text().isEmpty() && key.text().at(0).isPrint();
}

} // namespace

bool TfrmARInvoice::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !document_)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                       !(key->modifiers() & ~Qt::KeypadModifier);
    // Page Down from the header goes into the lines.
    if (key->key() == Qt::Key_PageDown && key->modifiers() == Qt::NoModifier) {
        enterLines();
        return true;
    }
    if (document_->isPosted() && watched != btnRecipient &&
        changesField(*key, watched, spinPeriod)) {
        refusePostedChange();
        return true;
    }
    // Enter with a customer number typed goes straight to the invoice date, once the number
    // is taken; a refused number keeps the cursor in the box.
    if (watched == editCustomerNo && enter) {
        if (!takeCustomerNo())
            return true;
        if (!editCustomerNo->text().trimmed().isEmpty())
            dateInvoice->setFocus();
        else
            focusNextChild();
        return true;
    }
    if (watched == dateInvoice && enter) {
        focusNextChild();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool TfrmARInvoice::takeCustomerNo()
{
    // The refusal's message box takes the focus from the box, which finishes its editing once
    // more: that must not refuse the same number again.
    if (takingCustomerNo_ || !document_ ||
        editCustomerNo->text().trimmed() == document_->customerNo())
        return true;
    takingCustomerNo_ = true;
    const bool taken =
        apply([this] { document_->setCustomerNoText(editCustomerNo->text().trimmed()); });
    takingCustomerNo_ = false;
    return taken;
}

void TfrmARInvoice::enterLines()
{
    grid->setFocus();
    if (document_->lineCount() == 0)
        appendLine();
    else
        grid->setCurrentIndex(lines_->index(0, int(LineColumn::Quantity)));
}

void TfrmARInvoice::refusePostedChange()
{
    dialogs_.inform(Dialogs::Kind::Error, invoicemsg::kPostedLocked);
}

void TfrmARInvoice::cancelLine()
{
    if (!document_ || document_->editingRow() < 0)
        return;
    const int row = document_->editingRow();
    const int column = std::max(0, grid->currentIndex().column());
    apply([this] { document_->cancelLine(); });
    // The cursor stays on the line, or goes to the last one when the new line was dropped.
    const int rows = lines_->rowCount();
    if (rows > 0)
        grid->setCurrentIndex(lines_->index(std::min(row, rows - 1), column));
}

void TfrmARInvoice::appendLine()
{
    if (!document_ || document_->isPosted())
        return;
    if (apply([this] { document_->appendLine(); })) {
        const int row = document_->lineCount() - 1;
        grid->setFocus();
        grid->setCurrentIndex(lines_->index(row, int(LineColumn::Quantity)));
    }
}

void TfrmARInvoice::deleteLine()
{
    const int row = grid->currentIndex().row();
    if (!document_ || row < 0 || row >= document_->lineCount())
        return;
    apply([this, row] { document_->deleteLine(row); });
}

void TfrmARInvoice::leaveRow(int fromRow)
{
    if (!document_ || document_->editingRow() != fromRow)
        return;
    if (!apply([this] { document_->leaveLine(); })) {
        // The line stays being changed: the cursor goes back to it.
        QMetaObject::invokeMethod(
            this, [this, fromRow] { grid->setCurrentIndex(lines_->index(fromRow, 0)); },
            Qt::QueuedConnection);
    }
}

void TfrmARInvoice::advanceInGrid()
{
    const QModelIndex at = grid->currentIndex();
    if (!at.isValid()) {
        appendLine();
        return;
    }
    switch (static_cast<LineColumn>(at.column())) {
    case LineColumn::Quantity:
        grid->setCurrentIndex(lines_->index(at.row(), int(LineColumn::Item)));
        searchItem(); // entering the Item column opens the item search at once
        return;
    case LineColumn::Item:
        grid->setCurrentIndex(lines_->index(at.row(), int(LineColumn::OverrideDescription)));
        return;
    case LineColumn::OverrideDescription:
    case LineColumn::Description:
        grid->setCurrentIndex(lines_->index(at.row(), int(LineColumn::UnitPrice)));
        return;
    default:
        break;
    }
    // From the price or the amount: to the next line, appending one after the last.
    if (at.row() + 1 < lines_->rowCount()) {
        grid->setCurrentIndex(lines_->index(at.row() + 1, int(LineColumn::Quantity)));
        return;
    }
    if (!apply([this] { document_->leaveLine(); }))
        return;
    appendLine();
}

void TfrmARInvoice::searchItem()
{
    if (!document_ || document_->isPosted() || searching_)
        return;
    const int row = grid->currentIndex().row();
    if (row < 0)
        return;
    // What was typed into the Item cell so far gives way to the search.
    grid->discardEditor();
    searching_ = true;
    TfrmItemSearch search(db_, this);
    if (const auto item = document_->lineItem(row))
        search.setCurrentItem(int(item->itemId));
    const bool chosen = search.exec() == QDialog::Accepted && search.selectedItemId() != 0;
    searching_ = false;
    if (!chosen)
        return;
    const qint64 itemId = search.selectedItemId();
    if (apply([this, row, itemId] {
            if (document_->editingRow() != row)
                document_->editLine(row);
            setLineItemInColumn(*document_, itemId, LineColumn::Item);
        }))
        grid->setCurrentIndex(lines_->index(row, int(LineColumn::OverrideDescription)));
}

void TfrmARInvoice::lookupRecipient()
{
    if (!document_)
        return;
    TfrmLookupRecipient lookup(*lookups_.tblRecipient, document_->header().recipId, this);
    if (lookup.exec() == QDialog::Accepted && !lookup.chosenCustomerNo().isEmpty()) {
        const QString chosen = lookup.chosenCustomerNo();
        apply([this, chosen] { document_->setRecipId(chosen); });
    }
}

void TfrmARInvoice::btnOKClick()
{
    if (!takeCustomerNo())
        return;
    if (!apply([this] { document_->ok(); }))
        return;
    if (document_->hasBeenStored())
        Q_EMIT invoiceStored(document_->invoiceId());
    closing_ = true;
    close();
}

void TfrmARInvoice::btnCancelClick()
{
    if (document_)
        apply([this] { document_->cancel(); });
    closing_ = true;
    close();
}

void TfrmARInvoice::closeEvent(QCloseEvent* event)
{
    if (closing_ || !document_) {
        event->accept();
        return;
    }
    switch (decideOnClose(dialogs_, document_->isEditing(), document_->isUntouchedNew())) {
    case CloseDecision::Save:
        if (!apply([this] { document_->ok(); })) {
            event->ignore();
            return;
        }
        if (document_->hasBeenStored())
            Q_EMIT invoiceStored(document_->invoiceId());
        break;
    case CloseDecision::Discard:
        apply([this] { document_->cancel(); });
        break;
    case CloseDecision::StayOpen:
        event->ignore();
        return;
    }
    event->accept();
}

#include "receivables/invoices/ui/frmarinvoice.h"

#include "common/access.h"
#include "common/formats.h"
#include "common/ui/dateentry.h"
#include "common/ui/fontfactor.h"
#include "common/ui/keyboard.h"
#include "common/ui/windowparts.h"
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
#include "receivables/ui/customerboxes.h"

#include <QCheckBox>
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

// The width of each total under the lines.
constexpr int kTotalWidth = 100;

QString money(Money amount)
{
    return formatFloat(QString(kMoneyListFormat), amount);
}

} // namespace

TfrmARInvoice::TfrmARInvoice(Database& db, TdmLookUps& lookups, QWidget* parent)
    : QWidget(parent, Qt::Window), db_(db), lookups_(lookups), dialogs_(this)
{
    setUpDocumentWindow(this, QStringLiteral("frmARInvoice"), QStringLiteral("AR Invoice"));
    buildHeader();
    buildGridAndTotals();
    loadPickLists();
    resize(860, 560);
    applyFontFactor(this);
}

TfrmARInvoice::~TfrmARInvoice() = default;

void TfrmARInvoice::buildHeader()
{
    auto* header = new QGridLayout;
    header->setHorizontalSpacing(8);
    header->setVerticalSpacing(6);

    btnCustomer = new QPushButton(QStringLiteral("Client/Funder"), this);
    btnCustomer->setObjectName(QStringLiteral("btnCustomer"));
    offerCustomerList(btnCustomer, false); // until the window is told how to open the list
    auto* customerRow = makeCustomerBoxes(this, editCustomerNo, cboCustomer);
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
    auto* periodRow = makePeriodBoxes(this, spinPeriod, editYear, 0);
    editDescription = new QLineEdit(this);
    editDescription->setObjectName(QStringLiteral("editDescription"));
    editDescription->setMaxLength(60);
    chkPrinted = new QCheckBox(QStringLiteral("Printed"), this);
    chkPrinted->setObjectName(QStringLiteral("chkPrinted"));
    lblPosted = stateLabel(QStringLiteral("POSTED"), QStringLiteral("lblPosted"),
                           QStringLiteral("#c00000"), this);

    auto* deliveredRow = new QHBoxLayout;
    deliveredRow->addWidget(editDeliveredTo, 1);
    deliveredRow->addWidget(btnRecipient);

    header->addWidget(btnCustomer, 0, 0);
    header->addLayout(customerRow, 0, 1);
    header->addWidget(lblAddress, 1, 1);
    header->addWidget(lblTerms, 2, 1);
    header->addWidget(captionLabel(QStringLiteral("Delivered-to:"), this), 3, 0);
    header->addLayout(deliveredRow, 3, 1);
    header->addWidget(lblShipToAddress, 4, 1);
    header->addWidget(captionLabel(QStringLiteral("Description:"), this), 5, 0);
    header->addWidget(editDescription, 5, 1);

    header->addWidget(captionLabel(QStringLiteral("Invoice no.:"), this), 0, 2);
    header->addWidget(editInvoiceNo, 0, 3);
    header->addWidget(captionLabel(QStringLiteral("Date:"), this), 1, 2);
    header->addWidget(dateInvoice, 1, 3);
    header->addWidget(captionLabel(QStringLiteral("Period:"), this), 2, 2);
    header->addLayout(periodRow, 2, 3);
    header->addWidget(captionLabel(QStringLiteral("Location:"), this), 3, 2);
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
    offerCustomerList(btnCustomer, bool(openCustomerList_));
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
    lblInvoiceAmount = amountLabel(QStringLiteral("lblInvoiceAmount"), kTotalWidth, this);
    lblPaid = amountLabel(QStringLiteral("lblPaid"), kTotalWidth, this);
    lblDiscount = amountLabel(QStringLiteral("lblDiscount"), kTotalWidth, this);
    lblWriteOff = amountLabel(QStringLiteral("lblWriteOff"), kTotalWidth, this);
    lblOwing = amountLabel(QStringLiteral("lblOwing"), kTotalWidth, this);
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
        totals->addWidget(captionLabel(text, this), row, 1);
        totals->addWidget(label, row, 2);
        ++row;
    }
    totals->setColumnStretch(0, 1);

    auto* buttons = makeOkCancel(this, btnOK, btnCancel);
    connect(btnOK, &QPushButton::clicked, this, &TfrmARInvoice::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmARInvoice::btnCancelClick);
    static_cast<QVBoxLayout*>(layout())->addLayout(totals);
    static_cast<QVBoxLayout*>(layout())->addLayout(buttons);
}

void TfrmARInvoice::loadPickLists()
{
    fillCustomerPickList(cboCustomer, lookups_);
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
    grid->showLines(lines_, {80, 80, 220, 200, 100});
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
        grid->focusCell(document_->editingRow(), int(column));
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
    grid->keepCursorNear(row, column);
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

bool TfrmARInvoice::saveAndReport()
{
    if (!apply([this] { document_->ok(); }))
        return false;
    if (document_->hasBeenStored())
        Q_EMIT invoiceStored(document_->invoiceId());
    return true;
}

void TfrmARInvoice::btnOKClick()
{
    if (!takeCustomerNo() || !saveAndReport())
        return;
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
    answerCloseBox(
        event, dialogs_, document_->isEditing(), document_->isUntouchedNew(),
        [this] { return saveAndReport(); }, [this] { apply([this] { document_->cancel(); }); });
}

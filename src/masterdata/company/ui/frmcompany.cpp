#include "masterdata/company/ui/frmcompany.h"

#include "common/access.h"
#include "common/ui/fontfactor.h"
#include "common/ui/keyboard.h"
#include "common/ui/windowparts.h"
#include "common/ui/yearentry.h"
#include "data/datamodule.h"
#include "data/lookups.h"
#include "masterdata/company/companychoices.h"
#include "masterdata/company/companyyears.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace
{

const QString kNetDaysHint = QStringLiteral(
    "If set to 0, 'Payable on Receipt' will be the terms. The terms are only included if 'Print "
    "Payment Terms' is checked in the 'Invoice Print Setup' dialogue.");
const QString kSuppressPostingHint = QStringLiteral(
    "When this option is checked, it will not be possible to 'Post' any invoices. This is "
    "typically used in the case where Invoices are used to solicit donations, rather than to "
    "actually bill clients.");
const QString kSuppressWordingHint = QStringLiteral(
    "When this option is checked, the word 'Invoice' will not appear on the invoices addressed "
    "to clients. Third-party funder invoices will still contain the regular invoice wording, "
    "even when this option is checked.");

QLineEdit* shownOnly(const QString& name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    // Greyed like a label: these come from the host and are changed there.
    box->setBackgroundRole(QPalette::Window);
    box->setStyleSheet(QStringLiteral("QLineEdit { background: palette(window); }"));
    return box;
}

QSpinBox* periodBox(const QString& name, QWidget* parent)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(0, 12);
    spin->setSpecialValueText(QStringLiteral(" ")); // 0: no period
    return spin;
}

YearEntry* yearBox(const QString& name, QWidget* parent)
{
    auto* year = new YearEntry(parent);
    year->setObjectName(name);
    return year;
}

QComboBox* choiceBox(const QString& name, const QList<CompanyChoice>& choices, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    for (const CompanyChoice& choice : choices)
        box->addItem(choice.text, choice.code);
    return box;
}

// The code chosen; a stored code that is not among the choices is kept until another is chosen.
QString chosenCode(const QComboBox* box, const QString& stored)
{
    return box->currentIndex() < 0 ? stored : box->currentData().toString();
}

std::optional<int> periodOf(const QSpinBox* spin)
{
    return spin->value() == 0 ? std::nullopt : std::optional<int>(spin->value());
}

std::optional<int> netDaysOf(const QLineEdit* box)
{
    bool ok = false;
    const int days = box->text().trimmed().toInt(&ok);
    return ok ? std::optional<int>(days) : std::nullopt;
}

// A page's captions down the first column, each with its boxes beside it.
class CaptionedRows
{
public:
    explicit CaptionedRows(QWidget* page) : page_(page), grid_(new QGridLayout(page))
    {
        grid_->setHorizontalSpacing(8);
        grid_->setVerticalSpacing(6);
    }
    // The caption, then `boxes` from the second column on.
    void add(const QString& caption, std::initializer_list<QWidget*> boxes)
    {
        grid_->addWidget(captionLabel(caption, page_), row_, 0);
        int column = 1;
        for (QWidget* box : boxes)
            grid_->addWidget(box, row_, column++);
        ++row_;
    }
    void add(const QString& caption, QWidget* box, int columnSpan)
    {
        grid_->addWidget(captionLabel(caption, page_), row_, 0);
        grid_->addWidget(box, row_, 1, 1, columnSpan);
        ++row_;
    }
    void add(const QString& caption, QLayout* boxes)
    {
        grid_->addWidget(captionLabel(caption, page_), row_, 0);
        grid_->addLayout(boxes, row_++, 1);
    }
    // A row without a caption.
    void addBeside(std::initializer_list<QWidget*> boxes)
    {
        int column = 1;
        for (QWidget* box : boxes)
            grid_->addWidget(box, row_, column++);
        ++row_;
    }
    // The rows keep to the top; `column` takes the width to spare.
    void finish(int column)
    {
        grid_->setColumnStretch(column, 1);
        grid_->setRowStretch(row_, 1);
    }

private:
    QWidget* page_;
    QGridLayout* grid_;
    int row_ = 0;
};

} // namespace

TfrmCompany::TfrmCompany(TDataModuleARSystem& module, TdmLookUps& lookups, QWidget* parent,
                         Dialogs* dialogs)
    : QWidget(parent, Qt::Window), module_(module), lookups_(lookups), messageBoxes_(this),
      dialogs_(dialogs ? *dialogs : messageBoxes_)
{
    setObjectName(QStringLiteral("frmCompany"));
    setWindowTitle(QStringLiteral("Your Organization"));

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->addTab(buildGeneralPage(), QStringLiteral("General"));
    PageControl->addTab(buildDefaultsPage(), QStringLiteral("Defaults"));
    PageControl->addTab(buildNotesPage(), QStringLiteral("Notes"));

    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnHelp = new QPushButton(QStringLiteral("&Help"), this);
    btnHelp->setObjectName(QStringLiteral("btnHelp"));
    btnHelp->setEnabled(false);
    // Cancelling leaves a half-typed year without checking it.
    btnCancel->setFocusPolicy(Qt::NoFocus);
    connect(btnOK, &QPushButton::clicked, this, &TfrmCompany::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmCompany::btnCancelClick);
    connect(btnHelp, &QPushButton::clicked, this, [this] {
        if (openHelp_)
            openHelp_();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnHelp);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(PageControl, 1);
    layout->addLayout(buttons);

    for (YearEntry* year : findChildren<YearEntry*>()) {
        connect(year, &YearEntry::invalidYear, this, [this, year] {
            // Refused once the focus has settled, so the refusal can take it back.
            QMetaObject::invokeMethod(
                this, [this, year] { refuseYear(year); }, Qt::QueuedConnection);
        });
    }
    // Enter moves on everywhere but in the notes, where it starts a new line.
    for (QWidget* w : std::initializer_list<QWidget*>{editCompanyName,
                                                      editAddressLine1,
                                                      editAddressLine2,
                                                      editPhone,
                                                      editTaxNo,
                                                      editFiscalYear,
                                                      spinDefaultPeriodPP,
                                                      editDefaultPeriodYYYY,
                                                      spinWPeriodFromPP,
                                                      editWPeriodFromYYYY,
                                                      spinWPeriodToPP,
                                                      editWPeriodToYYYY,
                                                      spinEPeriodFromPP,
                                                      editEPeriodFromYYYY,
                                                      spinEPeriodToPP,
                                                      editEPeriodToYYYY,
                                                      editDefaultNetDays,
                                                      cboDefaultCurrency,
                                                      cboClientInvoiceLineItems,
                                                      cboClientInvoiceFormat,
                                                      cboFunderInvoicingMethod,
                                                      cboFunderInvoiceLineItems,
                                                      cboFunderInvoiceFormat,
                                                      chkSuppressInvoiceWording,
                                                      chkSuppressPosting})
        enterMovesToNextControl(w);
    cboDefaultCurrency->installEventFilter(this);
    resize(560, 440);
    applyFontFactor(this);
}

TfrmCompany::~TfrmCompany() = default;

QWidget* TfrmCompany::buildGeneralPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("TabSheetGeneral"));
    editCompanyName = shownOnly(QStringLiteral("editCompanyName"), page);
    editAddressLine1 = shownOnly(QStringLiteral("editAddressLine1"), page);
    editAddressLine2 = shownOnly(QStringLiteral("editAddressLine2"), page);
    editPhone = shownOnly(QStringLiteral("editPhone"), page);
    editTaxNo = new QLineEdit(page);
    editTaxNo->setObjectName(QStringLiteral("editTaxNo"));
    editTaxNo->setMaxLength(35);
    editFiscalYear = yearBox(QStringLiteral("editFiscalYear"), page);

    CaptionedRows rows(page);
    rows.add(QStringLiteral("Organization:"), editCompanyName, 4);
    rows.add(QStringLiteral("Address:"), editAddressLine1, 4);
    rows.add(QString(), editAddressLine2, 4);
    rows.add(QStringLiteral("Phone:"), editPhone, 4);
    rows.add(QStringLiteral("Tax/Business no.:"), editTaxNo, 4);
    rows.add(QStringLiteral("Fiscal Year:"), {editFiscalYear});

    rows.addBeside(
        {new QLabel(QStringLiteral("Period"), page), new QLabel(QStringLiteral("Year"), page)});
    auto addPeriod = [&](const QString& caption, const QString& name, QSpinBox*& spin,
                         YearEntry*& year) {
        spin = periodBox(QStringLiteral("spin") + name + QStringLiteral("PP"), page);
        year = yearBox(QStringLiteral("edit") + name + QStringLiteral("YYYY"), page);
        rows.add(caption, {spin, year});
    };
    addPeriod(QStringLiteral("Default Period:"), QStringLiteral("DefaultPeriod"),
              spinDefaultPeriodPP, editDefaultPeriodYYYY);
    addPeriod(QStringLiteral("Warn if before:"), QStringLiteral("WPeriodFrom"), spinWPeriodFromPP,
              editWPeriodFromYYYY);
    addPeriod(QStringLiteral("Warn if after:"), QStringLiteral("WPeriodTo"), spinWPeriodToPP,
              editWPeriodToYYYY);
    addPeriod(QStringLiteral("Error if before:"), QStringLiteral("EPeriodFrom"), spinEPeriodFromPP,
              editEPeriodFromYYYY);
    addPeriod(QStringLiteral("Error if after:"), QStringLiteral("EPeriodTo"), spinEPeriodToPP,
              editEPeriodToYYYY);
    rows.finish(4);
    return page;
}

QWidget* TfrmCompany::buildDefaultsPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("TabSheetDefaults"));
    editDefaultNetDays = new QLineEdit(page);
    editDefaultNetDays->setObjectName(QStringLiteral("editDefaultNetDays"));
    editDefaultNetDays->setValidator(new QIntValidator(0, 9999, editDefaultNetDays));
    editDefaultNetDays->setMaximumWidth(60);
    editDefaultNetDays->setToolTip(kNetDaysHint);
    cboDefaultCurrency = new QComboBox(page);
    cboDefaultCurrency->setObjectName(QStringLiteral("cboDefaultCurrency"));
    btnCurrency = new QPushButton(QStringLiteral("..."), page);
    btnCurrency->setObjectName(QStringLiteral("btnCurrency"));
    btnCurrency->setMaximumWidth(32);
    btnCurrency->setEnabled(false);
    connect(btnCurrency, &QPushButton::clicked, this, [this] {
        if (!openCurrencies_ || !SecurityCheck(kAccessCurrencies))
            return;
        const QVariant id = cboDefaultCurrency->currentData();
        openCurrencies_(id.isValid() ? std::optional<qint64>(id.toLongLong()) : std::nullopt);
    });
    cboClientInvoiceLineItems = choiceBox(QStringLiteral("cboClientInvoiceLineItems"),
                                          companychoices::clientLineItems(), page);
    cboClientInvoiceFormat =
        choiceBox(QStringLiteral("cboClientInvoiceFormat"), companychoices::invoiceFormats(), page);
    cboFunderInvoicingMethod = choiceBox(QStringLiteral("cboFunderInvoicingMethod"),
                                         companychoices::funderInvoicingMethods(), page);
    cboFunderInvoiceLineItems = choiceBox(QStringLiteral("cboFunderInvoiceLineItems"),
                                          companychoices::funderLineItems(), page);
    cboFunderInvoiceFormat =
        choiceBox(QStringLiteral("cboFunderInvoiceFormat"), companychoices::invoiceFormats(), page);
    chkSuppressInvoiceWording = new QCheckBox(QStringLiteral("Suppress Invoice Wording"), page);
    chkSuppressInvoiceWording->setObjectName(QStringLiteral("chkSuppressInvoiceWording"));
    chkSuppressInvoiceWording->setToolTip(kSuppressWordingHint);
    chkSuppressPosting = new QCheckBox(QStringLiteral("Suppress Posting of Invoices"), page);
    chkSuppressPosting->setObjectName(QStringLiteral("chkSuppressPosting"));
    chkSuppressPosting->setToolTip(kSuppressPostingHint);

    auto* currencyRow = new QHBoxLayout;
    currencyRow->addWidget(cboDefaultCurrency, 1);
    currencyRow->addWidget(btnCurrency);
    CaptionedRows rows(page);
    rows.add(QStringLiteral("Default Days in which invoice is due:"), {editDefaultNetDays});
    rows.add(QStringLiteral("Default Currency:"), currencyRow);
    rows.add(QStringLiteral("Client Line Items should be:"), {cboClientInvoiceLineItems});
    rows.add(QStringLiteral("Clilent Invoice Format:"), {cboClientInvoiceFormat});
    rows.add(QStringLiteral("Funder Invoicing Method:"), {cboFunderInvoicingMethod});
    rows.add(QStringLiteral("Funder Line Items should be:"), {cboFunderInvoiceLineItems});
    rows.add(QStringLiteral("Funder Invoice Format:"), {cboFunderInvoiceFormat});
    rows.addBeside({chkSuppressInvoiceWording});
    rows.addBeside({chkSuppressPosting});
    rows.finish(1);
    return page;
}

QWidget* TfrmCompany::buildNotesPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("TabSheetNotes"));
    memoNotes = new QPlainTextEdit(page);
    memoNotes->setObjectName(QStringLiteral("memoNotes"));
    mnuWordWrap = new QAction(QStringLiteral("Word Wrap"), memoNotes);
    mnuWordWrap->setObjectName(QStringLiteral("mnuWordWrap"));
    mnuWordWrap->setCheckable(true);
    connect(mnuWordWrap, &QAction::toggled, this, &TfrmCompany::setWordWrap);
    memoNotes->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(memoNotes, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(memoNotes);
        menu.addAction(mnuWordWrap);
        menu.exec(memoNotes->mapToGlobal(at));
    });
    mnuWordWrap->setChecked(true);
    setWordWrap(true);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(memoNotes);
    return page;
}

void TfrmCompany::setWordWrap(bool on)
{
    memoNotes->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    memoNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoNotes->setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
}

void TfrmCompany::setOpenCurrencies(std::function<void(std::optional<qint64>)> open)
{
    openCurrencies_ = std::move(open);
    btnCurrency->setEnabled(bool(openCurrencies_));
}

void TfrmCompany::setOpenHelp(std::function<void()> open)
{
    openHelp_ = std::move(open);
    btnHelp->setEnabled(bool(openHelp_));
}

void TfrmCompany::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmCompany::FormShow()
{
    try {
        stored_ = companysettings::open(module_.database());
        module_.refreshCompany();
        fillCurrencies();
    } catch (const std::exception& e) {
        dialogs_.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
    }
    showSettings(stored_);
    PageControl->setCurrentIndex(0);
    editCompanyName->setFocus();
}

void TfrmCompany::fillCurrencies()
{
    cboDefaultCurrency->clear();
    cboDefaultCurrency->addItem(QString()); // no default currency
    LookupView* currencies = lookups_.tblCurrency;
    if (currencies->isOpen())
        currencies->refresh();
    else
        currencies->open();
    for (int row = 0; row < currencies->rowCount(); ++row)
        cboDefaultCurrency->addItem(
            currencies->value(row, QStringLiteral("CurrencyName")).toString(),
            currencies->value(row, QStringLiteral("CurrencyID")).toLongLong());
}

void TfrmCompany::showSettings(const CompanySettings& s)
{
    editCompanyName->setText(s.companyName);
    editAddressLine1->setText(s.addressLine1);
    editAddressLine2->setText(s.addressLine2);
    editPhone->setText(s.phone);
    editTaxNo->setText(s.taxNo);
    editFiscalYear->setYear(s.fiscalYear);
    const struct {
        QSpinBox* spin;
        YearEntry* year;
        const CompanyPeriod& period;
    } periods[] = {{spinDefaultPeriodPP, editDefaultPeriodYYYY, s.defaultPeriod},
                   {spinWPeriodFromPP, editWPeriodFromYYYY, s.warnFrom},
                   {spinWPeriodToPP, editWPeriodToYYYY, s.warnTo},
                   {spinEPeriodFromPP, editEPeriodFromYYYY, s.errorFrom},
                   {spinEPeriodToPP, editEPeriodToYYYY, s.errorTo}};
    for (const auto& p : periods) {
        p.spin->setValue(std::clamp(p.period.period.value_or(0), 0, 12));
        p.year->setYear(p.period.year);
    }
    editDefaultNetDays->setText(s.defaultNetDays ? QString::number(*s.defaultNetDays) : QString());
    if (s.defaultCurrencyId) {
        int index = cboDefaultCurrency->findData(*s.defaultCurrencyId);
        if (index < 0) { // a currency no longer listed still shows what is stored
            cboDefaultCurrency->addItem(QString::number(*s.defaultCurrencyId),
                                        *s.defaultCurrencyId);
            index = cboDefaultCurrency->count() - 1;
        }
        cboDefaultCurrency->setCurrentIndex(index);
    } else {
        cboDefaultCurrency->setCurrentIndex(0);
    }
    const struct {
        QComboBox* box;
        const QString& code;
    } choices[] = {{cboClientInvoiceLineItems, s.clientInvoiceLineItems},
                   {cboClientInvoiceFormat, s.clientInvoiceFormat},
                   {cboFunderInvoicingMethod, s.funderInvoicingMethod},
                   {cboFunderInvoiceLineItems, s.funderInvoiceLineItems},
                   {cboFunderInvoiceFormat, s.funderInvoiceFormat}};
    for (const auto& c : choices)
        c.box->setCurrentIndex(c.box->findData(c.code));
    chkSuppressInvoiceWording->setChecked(s.suppressInvoiceWording);
    chkSuppressPosting->setChecked(s.suppressPosting);
    memoNotes->setPlainText(s.notes);
}

CompanySettings TfrmCompany::settings() const
{
    CompanySettings s = stored_;
    s.taxNo = editTaxNo->text();
    s.fiscalYear = editFiscalYear->year();
    s.defaultPeriod = {editDefaultPeriodYYYY->year(), periodOf(spinDefaultPeriodPP)};
    s.warnFrom = {editWPeriodFromYYYY->year(), periodOf(spinWPeriodFromPP)};
    s.warnTo = {editWPeriodToYYYY->year(), periodOf(spinWPeriodToPP)};
    s.errorFrom = {editEPeriodFromYYYY->year(), periodOf(spinEPeriodFromPP)};
    s.errorTo = {editEPeriodToYYYY->year(), periodOf(spinEPeriodToPP)};
    s.defaultNetDays = netDaysOf(editDefaultNetDays);
    const QVariant currency = cboDefaultCurrency->currentData();
    s.defaultCurrencyId =
        currency.isValid() ? std::optional<qint64>(currency.toLongLong()) : std::nullopt;
    s.clientInvoiceLineItems =
        chosenCode(cboClientInvoiceLineItems, stored_.clientInvoiceLineItems);
    s.clientInvoiceFormat = chosenCode(cboClientInvoiceFormat, stored_.clientInvoiceFormat);
    s.funderInvoicingMethod = chosenCode(cboFunderInvoicingMethod, stored_.funderInvoicingMethod);
    s.funderInvoiceLineItems =
        chosenCode(cboFunderInvoiceLineItems, stored_.funderInvoiceLineItems);
    s.funderInvoiceFormat = chosenCode(cboFunderInvoiceFormat, stored_.funderInvoiceFormat);
    s.suppressInvoiceWording = chkSuppressInvoiceWording->isChecked();
    s.suppressPosting = chkSuppressPosting->isChecked();
    s.notes = memoNotes->toPlainText();
    return s;
}

bool TfrmCompany::isModified() const
{
    return settings() != stored_;
}

bool TfrmCompany::commitYears()
{
    for (YearEntry* year : {editFiscalYear, editDefaultPeriodYYYY, editWPeriodFromYYYY,
                            editWPeriodToYYYY, editEPeriodFromYYYY, editEPeriodToYYYY}) {
        if (!year->commit()) {
            refuse(CompanyRefusal(companymessages::yearInvalid(fieldOf(year)), fieldOf(year)));
            return false;
        }
    }
    return true;
}

bool TfrmCompany::store()
{
    if (!commitYears())
        return false;
    const CompanySettings typed = settings();
    try {
        companysettings::save(module_.database(), typed);
    } catch (const CompanyRefusal& refusal) {
        refuse(refusal);
        return false;
    } catch (const std::exception& e) {
        dialogs_.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
        return false;
    }
    stored_ = typed;
    module_.refreshCompany();
    return true;
}

bool TfrmCompany::btnOKClick()
{
    if (!store())
        return false;
    close();
    return true;
}

void TfrmCompany::btnCancelClick()
{
    showSettings(stored_);
    close();
}

void TfrmCompany::closeEvent(QCloseEvent* event)
{
    if (refusing_) {
        event->ignore();
        return;
    }
    answerCloseBox(
        event, dialogs_, isModified(), false, [this] { return store(); },
        [this] { showSettings(stored_); });
}

void TfrmCompany::refuse(const CompanyRefusal& refusal)
{
    QWidget* box = boxOf(refusal.field());
    refusing_ = true;
    dialogs_.inform(Dialogs::Kind::Error, refusal.message());
    if (box) {
        PageControl->setCurrentWidget(PageControl->widget(0));
        box->setFocus();
        if (auto* line = qobject_cast<QLineEdit*>(box))
            line->selectAll();
    }
    refusing_ = false;
}

void TfrmCompany::refuseYear(YearEntry* box)
{
    // Nothing to say when the cursor is back in the box (an earlier refusal brought it there)
    // or the text has since been put right.
    if (refusing_ || box->hasFocus() || box->commit() || !isVisible())
        return;
    refuse(CompanyRefusal(companymessages::yearInvalid(fieldOf(box)), fieldOf(box)));
}

CompanyField TfrmCompany::fieldOf(const YearEntry* box) const
{
    if (box == editFiscalYear)
        return CompanyField::FiscalYear;
    if (box == editDefaultPeriodYYYY)
        return CompanyField::DefaultPeriodYear;
    if (box == editWPeriodFromYYYY)
        return CompanyField::WarnFromYear;
    if (box == editWPeriodToYYYY)
        return CompanyField::WarnToYear;
    if (box == editEPeriodFromYYYY)
        return CompanyField::ErrorFromYear;
    if (box == editEPeriodToYYYY)
        return CompanyField::ErrorToYear;
    return CompanyField::None;
}

QWidget* TfrmCompany::boxOf(CompanyField field) const
{
    switch (field) {
    case CompanyField::CompanyName:
        return editCompanyName;
    case CompanyField::FiscalYear:
        return editFiscalYear;
    case CompanyField::DefaultPeriodYear:
        return editDefaultPeriodYYYY;
    case CompanyField::WarnFromYear:
        return editWPeriodFromYYYY;
    case CompanyField::WarnToYear:
        return editWPeriodToYYYY;
    case CompanyField::ErrorFromYear:
        return editEPeriodFromYYYY;
    case CompanyField::ErrorToYear:
        return editEPeriodToYYYY;
    case CompanyField::None:
        break;
    }
    return nullptr;
}

bool TfrmCompany::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cboDefaultCurrency && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        cboDefaultCurrency->setCurrentIndex(0); // Delete: no default currency
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

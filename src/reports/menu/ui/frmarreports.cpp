#include "reports/menu/ui/frmarreports.h"

#include "common/conversionerrors.h"
#include "common/date2000.h"
#include "common/printercheck.h"
#include "common/ui/dateentry.h"
#include "common/ui/fontfactor.h"
#include "receivables/accountingperiod.h"
#include "receivables/listing/ui/filterchoices.h"
#include "reports/menu/menufields.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

using namespace reports;

namespace
{

QLineEdit* numberBox(QWidget* parent, const QString& name, int characters)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('0'))) +
                       16);
    return box;
}

// Leaving a field by the keyboard or the mouse checks it; a window going to the background
// (a message box, another program) does not.
bool leavesByUser(const QFocusEvent* event)
{
    return event->reason() != Qt::ActiveWindowFocusReason &&
           event->reason() != Qt::PopupFocusReason;
}

} // namespace

QString TfrmARReports::reportName(Report report)
{
    switch (report) {
    case AgedTrialBalance:
        return QStringLiteral("Aged Trial Balance");
    case History:
        return QStringLiteral("AR History");
    case Statements:
        return QStringLiteral("AR Statements");
    case Labels:
        return QStringLiteral("AR Labels");
    }
    return {};
}

TfrmARReports::TfrmARReports(Database& db, QWidget* parent, Dialogs* dialogs)
    : QDialog(parent), db_(db), messageBoxes_(this), dialogs_(dialogs ? *dialogs : messageBoxes_)
{
    setObjectName(QStringLiteral("frmARReports"));
    setWindowTitle(QStringLiteral("AR Reports"));
    buildPages();
    applyFontFactor(this);
}

TfrmARReports::~TfrmARReports() = default;

void TfrmARReports::buildPages()
{
    pages = new QStackedWidget(this);

    auto* choose = new QWidget(pages);
    auto* chooseLayout = new QVBoxLayout(choose);
    chooseLayout->addWidget(new QLabel(QStringLiteral("Choose a report."), choose));
    lstReports = new QListWidget(choose);
    lstReports->setObjectName(QStringLiteral("lstReports"));
    for (Report report : {AgedTrialBalance, History, Statements, Labels})
        lstReports->addItem(reportName(report));
    lstReports->setCurrentRow(0);
    chooseLayout->addWidget(lstReports);
    connect(lstReports, &QListWidget::itemDoubleClicked, this, [this] { next(); });
    pages->addWidget(choose);

    auto* options = new QWidget(pages);
    auto* optionsLayout = new QVBoxLayout(options);
    lblReportTitle = new QLabel(options);
    lblReportTitle->setObjectName(QStringLiteral("lblReportTitle"));
    QFont titleFont = lblReportTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    lblReportTitle->setFont(titleFont);
    optionsLayout->addWidget(lblReportTitle);

    edtAsOf = new DateEntry(options);
    edtAsOf->setObjectName(QStringLiteral("edtAsOf"));
    edtPeriod = numberBox(options, QStringLiteral("edtPeriod"), 3);
    edtYear = numberBox(options, QStringLiteral("edtYear"), 3);
    periodRow_ = new QWidget(options);
    auto* periodLayout = new QHBoxLayout(periodRow_);
    periodLayout->setContentsMargins(0, 0, 0, 0);
    periodLayout->addWidget(edtPeriod);
    periodLayout->addWidget(new QLabel(QStringLiteral("/"), periodRow_));
    periodLayout->addWidget(edtYear);
    periodLayout->addStretch();
    cboCurrency = new QComboBox(options);
    cboCurrency->setObjectName(QStringLiteral("cboCurrency"));
    cboCurrency->setMinimumWidth(200);
    cboCustomer = new QComboBox(options);
    cboCustomer->setObjectName(QStringLiteral("cboCustomer"));
    cboCustomer->setMinimumWidth(280);
    edtMinOwing = numberBox(options, QStringLiteral("edtMinOwing"), 12);
    edtMinDays = numberBox(options, QStringLiteral("edtMinDays"), 4);

    form_ = new QFormLayout;
    form_->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form_->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form_->addRow(QStringLiteral("As of:"), edtAsOf);
    form_->addRow(QStringLiteral("Period:"), periodRow_);
    form_->addRow(QStringLiteral("Currency:"), cboCurrency);
    form_->addRow(QStringLiteral("Customer:"), cboCustomer);
    form_->addRow(QStringLiteral("Min Owing:"), edtMinOwing);
    form_->addRow(QStringLiteral("Min Days Old:"), edtMinDays);
    optionsLayout->addLayout(form_);
    optionsLayout->addStretch();
    pages->addWidget(options);

    for (QWidget* field : {static_cast<QWidget*>(edtPeriod), static_cast<QWidget*>(edtYear),
                           static_cast<QWidget*>(edtMinOwing), static_cast<QWidget*>(edtMinDays),
                           static_cast<QWidget*>(cboCurrency), static_cast<QWidget*>(cboCustomer)})
        field->installEventFilter(this);
    connect(edtAsOf, &DateEntry::invalidDate, this, [this](const QString& message) {
        if (!refusing_)
            QMetaObject::invokeMethod(
                this, [this, message] { refuseField(edtAsOf, message); }, Qt::QueuedConnection);
    });

    btnBack = new QPushButton(QStringLiteral("< &Back"), this);
    btnBack->setObjectName(QStringLiteral("btnBack"));
    btnNext = new QPushButton(QStringLiteral("&Next >"), this);
    btnNext->setObjectName(QStringLiteral("btnNext"));
    btnNext->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    // Going back or cancelling leaves a half-typed field without checking it.
    btnBack->setFocusPolicy(Qt::NoFocus);
    btnCancel->setFocusPolicy(Qt::NoFocus);
    connect(btnBack, &QPushButton::clicked, this, &TfrmARReports::back);
    connect(btnNext, &QPushButton::clicked, this, &TfrmARReports::next);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnBack);
    buttons->addWidget(btnNext);
    buttons->addSpacing(8);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addLayout(buttons);

    pages->setCurrentIndex(0);
    btnBack->setEnabled(false);
}

TfrmARReports::Report TfrmARReports::chosenReport() const
{
    return static_cast<Report>(std::max(0, lstReports->currentRow()));
}

bool TfrmARReports::onOptionsPage() const
{
    return pages->currentIndex() == 1;
}

ReportMenuChoices TfrmARReports::choices() const
{
    ReportMenuChoices c;
    c.selection.asOf = asOf_;
    if (const std::optional<qint64> id = chosenKey(cboCurrency))
        c.selection.currencyId = int(*id);
    if (const std::optional<qint64> id = chosenKey(cboCustomer))
        c.selection.customerId = int(*id);
    c.selection.minOwing = minOwing_;
    c.selection.minDays = minDays_;
    c.period = period_.value_or(0);
    c.year = year_.value_or(0);
    return c;
}

void TfrmARReports::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfrmARReports::FormShow()
{
    const QDate today = QDate::currentDate();
    asOf_ = today;
    minOwing_ = Money();
    minDays_ = 0;
    if (!period_)
        period_ = today.month();
    if (!year_)
        year_ = today.year();
    fillCurrencyChoices(cboCurrency, db_);
    fillCustomerChoices(cboCustomer, db_);
    cboCurrency->setCurrentIndex(0);
    cboCustomer->setCurrentIndex(0);
    showFieldTexts();
    pages->setCurrentIndex(0);
    btnBack->setEnabled(false);
    btnNext->setText(QStringLiteral("&Next >"));
    lstReports->setFocus();
}

void TfrmARReports::showFieldTexts()
{
    edtAsOf->setDate(asOf_);
    edtPeriod->setText(QString::number(period_.value_or(0)));
    edtYear->setText(accountingperiod::twoDigitYearText(year_));
    edtMinOwing->setText(menufields::minOwingText(minOwing_));
    edtMinDays->setText(QString::number(minDays_));
}

void TfrmARReports::next()
{
    if (onOptionsPage())
        run();
    else
        showOptionsPage();
}

void TfrmARReports::back()
{
    pages->setCurrentIndex(0);
    btnBack->setEnabled(false);
    btnNext->setText(QStringLiteral("&Next >"));
    lstReports->setFocus();
}

void TfrmARReports::showOptionsPage()
{
    const Report report = chosenReport();
    const bool history = report == History;
    lblReportTitle->setText(reportName(report));
    form_->setRowVisible(edtAsOf, !history);
    form_->setRowVisible(periodRow_, history);
    form_->setRowVisible(edtMinOwing, !history);
    form_->setRowVisible(edtMinDays, !history);
    // What was typed and refused before going back is not kept.
    showFieldTexts();
    pages->setCurrentIndex(1);
    btnBack->setEnabled(true);
    btnNext->setText(report == Labels ? QStringLiteral("&Print") : QStringLiteral("&Preview"));
    (history ? static_cast<QWidget*>(edtPeriod) : static_cast<QWidget*>(edtAsOf))->setFocus();
}

bool TfrmARReports::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::KeyPress && (field == cboCurrency || field == cboCustomer) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        static_cast<QComboBox*>(field)->setCurrentIndex(0); // Delete: no currency, no customer
        return true;
    }
    if (event->type() == QEvent::FocusOut && field != cboCurrency && field != cboCustomer &&
        !refusing_ && leavesByUser(static_cast<QFocusEvent*>(event)))
        // Checked once the focus has settled, so the refusal can take it back.
        QMetaObject::invokeMethod(
            this, [this, field] { checkLeftField(field); }, Qt::QueuedConnection);
    return QDialog::eventFilter(watched, event);
}

void TfrmARReports::checkLeftField(QWidget* field)
{
    if (!onOptionsPage() || !field->isVisibleTo(this) || refusing_)
        return;
    const QString refusal = commitField(field);
    if (!refusal.isEmpty())
        refuseField(field, refusal);
}

void TfrmARReports::refuseField(QWidget* field, const QString& refusal)
{
    refusing_ = true;
    dialogs_.inform(Dialogs::Kind::Error, refusal);
    field->setFocus();
    if (auto* box = qobject_cast<QLineEdit*>(field))
        box->selectAll();
    refusing_ = false;
}

QString TfrmARReports::commitField(QWidget* field)
{
    QString refusal;
    if (field == edtPeriod) {
        int period = 0;
        refusal = menufields::readPeriod(edtPeriod->text(), period);
        if (refusal.isEmpty())
            period_ = period;
    } else if (field == edtYear) {
        int year = 0;
        refusal = menufields::readYear(edtYear->text(), year);
        if (refusal.isEmpty()) {
            year_ = year;
            edtYear->setText(accountingperiod::twoDigitYearText(year_));
        }
    } else if (field == edtMinOwing) {
        refusal = menufields::readMinOwing(edtMinOwing->text(), minOwing_);
        if (refusal.isEmpty())
            edtMinOwing->setText(menufields::minOwingText(minOwing_));
    } else if (field == edtMinDays) {
        refusal = menufields::readMinDays(edtMinDays->text(), minDays_);
    } else if (field == edtAsOf) {
        // The box reads its own text as it is left; while it has the focus it is read here.
        if (edtAsOf->hasFocus()) {
            try {
                asOf_ = Date2000(edtAsOf->text());
            } catch (const ConversionError& e) {
                refusal = e.message();
            }
        } else if (edtAsOf->date().isValid()) {
            asOf_ = edtAsOf->date();
        } else {
            refusal = QStringLiteral("Enter the date to age the invoices to");
        }
    }
    return refusal;
}

bool TfrmARReports::commitAll()
{
    for (QWidget* field : {static_cast<QWidget*>(edtAsOf), static_cast<QWidget*>(edtPeriod),
                           static_cast<QWidget*>(edtYear), static_cast<QWidget*>(edtMinOwing),
                           static_cast<QWidget*>(edtMinDays)}) {
        if (!field->isVisibleTo(this))
            continue;
        if (const QString refusal = commitField(field); !refusal.isEmpty()) {
            refuseField(field, refusal);
            return false;
        }
    }
    return true;
}

const TfrmARReports::Starter& TfrmARReports::starterOf(Report report) const
{
    switch (report) {
    case AgedTrialBalance:
        return startAgedTrialBalance;
    case History:
        return startHistory;
    case Statements:
        return startStatements;
    case Labels:
        break;
    }
    return startLabels;
}

void TfrmARReports::run()
{
    if (!PrinterDefined()) {
        dialogs_.inform(Dialogs::Kind::Error, kNoPrinterDefined);
        return;
    }
    if (!commitAll())
        return;
    const Report report = chosenReport();
    const Starter& start = starterOf(report);
    if (!start) {
        dialogs_.inform(Dialogs::Kind::Error,
                        reportName(report) + QStringLiteral(" cannot be started from this menu."));
        return;
    }
    start(choices());
    back();
}

#include "billing/ui/formgenerateinvoices.h"

#include "billing/ui/mealitemtree.h"
#include "billing/ui/unbilledoffer.h"
#include "common/ui/armessagebox.h"
#include "common/ui/arrowcursordialogs.h"
#include "common/ui/dateentry.h"
#include "common/ui/fontfactor.h"
#include "common/ui/keyboard.h"
#include "data/datamodule.h"
#include "data/screensettings.h"
#include "data/ui/screenstate.h"
#include "report/ui/frmpreview.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace
{

QDate firstDayOfMonth(const QDate& date)
{
    return QDate(date.year(), date.month(), 1);
}

QDate lastDayOfMonth(const QDate& date)
{
    return QDate(date.year(), date.month(), date.daysInMonth());
}

// Bookkeepers invoice the month that has just ended.
QDate defaultStart()
{
    return firstDayOfMonth(QDate::currentDate()).addMonths(-1);
}

QComboBox* choiceList(const QString& name, const QStringList& choices, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(choices);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

DateEntry* dateBox(const QString& name, QWidget* parent)
{
    auto* box = new DateEntry(parent);
    box->setObjectName(name);
    return box;
}

QRadioButton* radio(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    return button;
}

// Labels of the two forms on the left share one width, so their fields line up.
void alignLabels(const QList<QFormLayout*>& forms)
{
    QList<QWidget*> labels;
    int width = 0;
    for (QFormLayout* form : forms) {
        for (int row = 0; row < form->rowCount(); ++row) {
            if (QLayoutItem* item = form->itemAt(row, QFormLayout::LabelRole)) {
                labels << item->widget();
                width = std::max(width, item->widget()->sizeHint().width());
            }
        }
    }
    for (QWidget* label : labels)
        label->setMinimumWidth(width);
}

// A click anywhere in the tree while every item is taken means the bookkeeper is picking items.
class TreeClickFilter final : public QObject
{
public:
    TreeClickFilter(QRadioButton* includeAll, QRadioButton* includeOnly, QObject* parent)
        : QObject(parent), includeAll_(includeAll), includeOnly_(includeOnly)
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease && includeAll_->isChecked())
            includeOnly_->setChecked(true);
        return false;
    }

private:
    QRadioButton* includeAll_;
    QRadioButton* includeOnly_;
};

// The hourglass while a run works; taken down however the run ends.
class BusyCursor
{
public:
    ~BusyCursor() { set(false); }
    void set(bool busy)
    {
        if (busy == busy_)
            return;
        busy_ = busy;
        if (busy)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    }

private:
    bool busy_ = false;
};

} // namespace

TFormGenerateInvoices::TFormGenerateInvoices(TDataModuleARSystem& module, QWidget* parent)
    : QDialog(parent), module_(module), messageBoxes_(this), dialogs_(&messageBoxes_)
{
    setObjectName(QStringLiteral("FormGenerateInvoices"));
    setWindowTitle(QStringLiteral("Generate Invoices"));
    // The screen works on the module's connection and must not outlive it.
    connect(&module, &QObject::destroyed, this, &QObject::deleteLater);

    ActionSynchronizeClients = new QAction(QStringLiteral("Synchronize Clients"), this);
    ActionSynchronizeClients->setObjectName(QStringLiteral("ActionSynchronizeClients"));
    ActionSynchronizeItems = new QAction(QStringLiteral("Synchronize Items"), this);
    ActionSynchronizeItems->setObjectName(QStringLiteral("ActionSynchronizeItems"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(12);
    auto* left = new QVBoxLayout;
    left->setSpacing(10);
    buildPeriod(left);
    buildInvoiceChoices(left);
    left->addStretch();
    columns->addLayout(left);
    auto* right = new QVBoxLayout;
    buildItemChoices(right);
    columns->addLayout(right, 1);
    layout->addLayout(columns, 1);

    auto* buttons = new QHBoxLayout;
    ButtonLastUnbilled = new QPushButton(QStringLiteral("&Last Run's Unbilled..."), this);
    ButtonLastUnbilled->setObjectName(QStringLiteral("ButtonLastUnbilled"));
    ButtonLastUnbilled->setAutoDefault(false);
    ButtonLastUnbilled->setToolTip(
        QStringLiteral("The meals your last run or preview billed to no one, and why"));
    buttons->addWidget(ButtonLastUnbilled);
    buttons->addStretch();
    ButtonOK = new QPushButton(QStringLiteral("OK"), this);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonCancel = new QPushButton(QStringLiteral("Cancel"), this);
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    ButtonCancel->setDefault(true);
    for (QPushButton* button : {ButtonOK, ButtonCancel}) {
        button->setMinimumWidth(90);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);

    alignLabels(findChildren<QFormLayout*>());
    wireRules();
    resize(940, 540);
    applyFontFactor(this);
}

TFormGenerateInvoices::~TFormGenerateInvoices() = default;

void TFormGenerateInvoices::buildPeriod(QBoxLayout* column)
{
    auto* group = new QGroupBox(QStringLiteral("Delivery period"), this);
    auto* form = new QFormLayout(group);
    wwDBDateTimePickerStart = dateBox(QStringLiteral("wwDBDateTimePickerStart"), group);
    wwDBDateTimePickerEnd = dateBox(QStringLiteral("wwDBDateTimePickerEnd"), group);
    form->addRow(QStringLiteral("Select the Start Date of the period:"), wwDBDateTimePickerStart);
    form->addRow(QStringLiteral("Select the Ending Date of the period:"), wwDBDateTimePickerEnd);
    column->addWidget(group);
}

void TFormGenerateInvoices::buildInvoiceChoices(QBoxLayout* column)
{
    auto* group = new QGroupBox(QStringLiteral("Invoices"), this);
    auto* form = new QFormLayout(group);
    RzComboBoxBillingMethod =
        choiceList(QStringLiteral("RzComboBoxBillingMethod"),
                   {QStringLiteral("Meal Billing Only"), QStringLiteral("Pledges Only"),
                    QStringLiteral("Billing and Pledges")},
                   group);
    RzComboBoxTimePledgeOption =
        choiceList(QStringLiteral("RzComboBoxTimePledgeOption"),
                   {QStringLiteral("Per-Item pledges"), QStringLiteral("Per-Day pledges"),
                    QStringLiteral("Monthly pledges"), QStringLiteral("Yearly pledges")},
                   group);
    RzComboBoxPayersToInclude = choiceList(QStringLiteral("RzComboBoxPayersToInclude"),
                                           {QStringLiteral("Private Pay Only"),
                                            QStringLiteral("Private Pay and Third-Party Funders"),
                                            QStringLiteral("Third-Party Funders Only")},
                                           group);
    wwDBDateTimePickerInvoiceDate = dateBox(QStringLiteral("wwDBDateTimePickerInvoiceDate"), group);
    wwCheckBoxPostToHistory =
        new QCheckBox(QStringLiteral("Record the invoice to Client History?"), group);
    wwCheckBoxPostToHistory->setObjectName(QStringLiteral("wwCheckBoxPostToHistory"));
    form->addRow(QStringLiteral("Generate invoices for:"), RzComboBoxBillingMethod);
    form->addRow(QStringLiteral("Calculate pledges by using:"), RzComboBoxTimePledgeOption);
    form->addRow(QStringLiteral("Include the following payers:"), RzComboBoxPayersToInclude);
    form->addRow(QStringLiteral("Date the invoices as of:"), wwDBDateTimePickerInvoiceDate);
    form->addRow(QString(), wwCheckBoxPostToHistory);
    column->addWidget(group);
}

void TFormGenerateInvoices::buildItemChoices(QBoxLayout* column)
{
    auto* group = new QGroupBox(QStringLiteral("Meal items"), this);
    auto* box = new QVBoxLayout(group);
    RzRadioButtonIncludeAll = radio(QStringLiteral("RzRadioButtonIncludeAll"),
                                    QStringLiteral("Include all delivered items"), group);
    RzRadioButtonInclude = radio(QStringLiteral("RzRadioButtonInclude"),
                                 QStringLiteral("Include only this/these item(s)"), group);
    RzRadioButtonExclude = radio(QStringLiteral("RzRadioButtonExclude"),
                                 QStringLiteral("Exclude this/these item(s)"), group);
    RzCheckTreeMealItems = new MealItemTree(group);
    RzCheckTreeMealItems->setObjectName(QStringLiteral("RzCheckTreeMealItems"));
    RzCheckTreeMealItems->setMinimumWidth(320);
    for (QRadioButton* button :
         {RzRadioButtonIncludeAll, RzRadioButtonInclude, RzRadioButtonExclude})
        box->addWidget(button);
    box->addWidget(RzCheckTreeMealItems, 1);
    column->addWidget(group, 1);
}

void TFormGenerateInvoices::wireRules()
{
    connect(wwDBDateTimePickerStart, &DateEntry::dateEdited, this, [this](const QDate& start) {
        if (!start.isValid()) { // the period never goes without a start
            wwDBDateTimePickerStart->setDate(firstDayOfMonth(wwDBDateTimePickerEnd->date()));
            return;
        }
        if (wwDBDateTimePickerEnd->date() < start)
            wwDBDateTimePickerEnd->setDate(lastDayOfMonth(start));
    });
    connect(wwDBDateTimePickerEnd, &DateEntry::dateEdited, this, [this](const QDate& end) {
        if (!end.isValid()) {
            wwDBDateTimePickerEnd->setDate(lastDayOfMonth(wwDBDateTimePickerStart->date()));
            return;
        }
        if (end < wwDBDateTimePickerStart->date())
            wwDBDateTimePickerStart->setDate(firstDayOfMonth(end));
    });
    connect(wwDBDateTimePickerInvoiceDate, &DateEntry::dateEdited, this, [this](const QDate& d) {
        if (!d.isValid())
            wwDBDateTimePickerInvoiceDate->setDate(QDate::currentDate());
    });
    for (DateEntry* box :
         {wwDBDateTimePickerStart, wwDBDateTimePickerEnd, wwDBDateTimePickerInvoiceDate}) {
        connect(box, &DateEntry::invalidDate, this, [this, box](const QString& message) {
            dialogs_->inform(Dialogs::Kind::Error, message);
            box->setFocus();
        });
    }
    RzCheckTreeMealItems->viewport()->installEventFilter(
        new TreeClickFilter(RzRadioButtonIncludeAll, RzRadioButtonInclude, this));
    connect(RzComboBoxBillingMethod, &QComboBox::currentIndexChanged, this,
            &TFormGenerateInvoices::applyTimePledgeRule);
    connect(ButtonOK, &QPushButton::clicked, this, &TFormGenerateInvoices::ButtonOKClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &TFormGenerateInvoices::ButtonCancelClick);
    connect(ButtonLastUnbilled, &QPushButton::clicked, this,
            &TFormGenerateInvoices::showLastUnbilledRun);

    // Tab and Enter go down the left column, then through the item choices, then to OK.
    const QList<QWidget*> inputs{
        wwDBDateTimePickerStart,    wwDBDateTimePickerEnd,     RzComboBoxBillingMethod,
        RzComboBoxTimePledgeOption, RzComboBoxPayersToInclude, wwDBDateTimePickerInvoiceDate,
        wwCheckBoxPostToHistory,    RzRadioButtonIncludeAll,   RzRadioButtonInclude,
        RzRadioButtonExclude,       RzCheckTreeMealItems};
    QWidget* previous = nullptr;
    for (QWidget* input : inputs) {
        enterMovesToNextControl(input);
        if (previous)
            setTabOrder(previous, input);
        previous = input;
    }
    setTabOrder(previous, ButtonOK);
    setTabOrder(ButtonOK, ButtonCancel);
}

void TFormGenerateInvoices::applyTimePledgeRule()
{
    RzComboBoxTimePledgeOption->setEnabled(RzComboBoxBillingMethod->currentIndex() > 0);
}

void TFormGenerateInvoices::setDialogs(Dialogs* dialogs)
{
    dialogs_ = dialogs ? dialogs : &messageBoxes_;
}

void TFormGenerateInvoices::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) // not when the window system merely shows it again
        FormShow();
}

void TFormGenerateInvoices::FormShow()
{
    const QDate start = defaultStart();
    wwDBDateTimePickerStart->setDate(start);
    wwDBDateTimePickerEnd->setDate(lastDayOfMonth(start));
    wwDBDateTimePickerInvoiceDate->setDate(QDate::currentDate());
    try {
        RzCheckTreeMealItems->rebuild(module_.database());
    } catch (const std::exception& e) {
        showError(e);
    }

    // What is not remembered yet starts with nothing chosen, every item, meals, private pay.
    for (QRadioButton* button :
         {RzRadioButtonIncludeAll, RzRadioButtonInclude, RzRadioButtonExclude}) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
    for (QComboBox* combo :
         {RzComboBoxBillingMethod, RzComboBoxTimePledgeOption, RzComboBoxPayersToInclude})
        combo->setCurrentIndex(0);
    wwCheckBoxPostToHistory->setChecked(true);
    restoreScreenState(this, ScreenSettings(module_.databaseDirectory()));
    applyTimePledgeRule();
    ButtonOK->setEnabled(true);
}

billing::GenerationSettings TFormGenerateInvoices::generationSettings() const
{
    billing::GenerationSettings settings;
    settings.period = {wwDBDateTimePickerStart->date(), wwDBDateTimePickerEnd->date()};
    settings.invoiceDate = wwDBDateTimePickerInvoiceDate->date();
    const billing::ItemFilterMode mode =
        RzRadioButtonInclude->isChecked()   ? billing::ItemFilterMode::IncludeOnly
        : RzRadioButtonExclude->isChecked() ? billing::ItemFilterMode::Exclude
                                            : billing::ItemFilterMode::All;
    settings.filter = {mode, RzCheckTreeMealItems->checkedItemIds()};
    settings.billing = BillingChoice(RzComboBoxBillingMethod->currentIndex());
    settings.pledgeOption = billing::PledgeOption(RzComboBoxTimePledgeOption->currentIndex());
    settings.payers = PayerChoice(RzComboBoxPayersToInclude->currentIndex());
    settings.postToHistory = wwCheckBoxPostToHistory->isChecked();
    settings.userName = module_.CurrentUserName;
    return settings;
}

void TFormGenerateInvoices::ButtonOKClick()
{
    ButtonOK->setEnabled(false); // one run at a time
    ArrowCursorDialogs dialogs(*dialogs_);
    TFormARMessageBox progressWindow(this);
    progressWindow.LabelRecordCount->hide(); // a run counts per cent, not clients
    BusyCursor busy;
    billing::GenerationHooks hooks;
    hooks.synchronizeItems = [this] { ActionSynchronizeItems->trigger(); };
    hooks.synchronizeCustomers = [this] { ActionSynchronizeClients->trigger(); };
    hooks.workStarted = [&] {
        progressWindow.RzProgressBarSaveStatus->setValue(0);
        progressWindow.show();
        progressWindow.raise();
        busy.set(true);
    };
    hooks.workEnded = [&] {
        progressWindow.hide();
        busy.set(false);
    };

    const billing::GenerationSettings settings = generationSettings();
    const QDateTime ranAt = QDateTime::currentDateTime();
    billing::GenerationResult result;
    try {
        billing::GenerationRun run(module_.database(), dialogs, progressWindow, settings, hooks);
        result = run.run();
    } catch (const std::exception& e) {
        hooks.workEnded();
        showError(e);
    }
    hooks.workEnded();
    ButtonOK->setEnabled(true);
    if (result.closesScreen()) {
        this->close();
        offerUnbilledDeliveries(result, settings, ranAt);
    }
}

void TFormGenerateInvoices::offerUnbilledDeliveries(const billing::GenerationResult& result,
                                                    const billing::GenerationSettings& settings,
                                                    const QDateTime& ranAt)
{
    // A run an error cut short found only some of them; its error has been shown instead.
    if (result.outcome != billing::RunOutcome::Completed)
        return;
    const billing::UnbilledRun run{settings.userName, ranAt, false, settings.period,
                                   result.unbilled};
    // The screen is hidden after a run: the report goes beside the console.
    if (TfrmPreview* preview = ::offerUnbilledDeliveries(*dialogs_, run, parentWidget()))
        unbilledPreview_ = preview;
}

void TFormGenerateInvoices::showLastUnbilledRun()
{
    try {
        const std::optional<billing::UnbilledRun> run =
            billing::lastUnbilledRun(module_.database(), module_.CurrentUserName);
        if (!run) {
            dialogs_->inform(Dialogs::Kind::Information, kNoUnbilledRunKept);
            return;
        }
        if (TfrmPreview* preview = showUnbilledDeliveries(*dialogs_, *run, this))
            unbilledPreview_ = preview;
    } catch (const std::exception& e) {
        showError(e);
    }
}

TfrmPreview* TFormGenerateInvoices::unbilledPreview() const
{
    return unbilledPreview_;
}

void TFormGenerateInvoices::ButtonCancelClick()
{
    close();
}

void TFormGenerateInvoices::done(int result)
{
    ScreenSettings settings(module_.databaseDirectory());
    saveScreenState(this, settings);
    QDialog::done(result);
}

void TFormGenerateInvoices::showError(const std::exception& e)
{
    dialogs_->inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
}

#include "close/ui/formresetbalances.h"

#include "close/balancereset.h"
#include "close/resetchoicesetting.h"
#include "close/ui/customerlookupdialog.h"
#include "common/ui/fontfactor.h"
#include "data/screensettings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFormResetBalances::TFormResetBalances(Database& db, QString databaseDirectory, QWidget* parent)
    : QWidget(parent, Qt::Window), db_(db), directory_(std::move(databaseDirectory)),
      messageBoxes_(this), dialogs_(&messageBoxes_)
{
    setObjectName(QStringLiteral("FormResetBalances"));
    setWindowTitle(QStringLiteral("Reset Selected Balances"));

    RzComboBoxCandidates = new QComboBox(this);
    RzComboBoxCandidates->setObjectName(QStringLiteral("RzComboBoxCandidates"));
    RzComboBoxCandidates->addItems(resetChoiceTexts());
    RzComboBoxCandidates->setCurrentIndex(-1);
    connect(RzComboBoxCandidates, &QComboBox::currentIndexChanged, this,
            [this] { RzComboBoxCandidatesChange(); });

    LabelSelectedCandidate = new QLabel(QStringLiteral("Selected Account:"), this);
    LabelSelectedCandidate->setObjectName(QStringLiteral("LabelSelectedCandidate"));
    wwDBLookupComboDlgSelectedCandidate = new QLineEdit(this);
    wwDBLookupComboDlgSelectedCandidate->setObjectName(
        QStringLiteral("wwDBLookupComboDlgSelectedCandidate"));
    wwDBLookupComboDlgSelectedCandidate->setReadOnly(true);
    connect(wwDBLookupComboDlgSelectedCandidate, &QLineEdit::textChanged, this,
            [this] { EnableResetButton(); });
    ButtonLookup = new QPushButton(QStringLiteral("..."), this);
    ButtonLookup->setObjectName(QStringLiteral("ButtonLookup"));
    ButtonLookup->setFixedWidth(32);
    connect(ButtonLookup, &QPushButton::clicked, this, [this] { ButtonLookupClick(); });
    auto* lookupRow = new QHBoxLayout;
    lookupRow->addWidget(wwDBLookupComboDlgSelectedCandidate, 1);
    lookupRow->addWidget(ButtonLookup);

    auto* buttons = new QDialogButtonBox(this);
    ButtonReset = buttons->addButton(QStringLiteral("Reset"), QDialogButtonBox::AcceptRole);
    ButtonReset->setObjectName(QStringLiteral("ButtonReset"));
    ButtonClose = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    ButtonClose->setObjectName(QStringLiteral("ButtonClose"));
    connect(ButtonReset, &QPushButton::clicked, this, &TFormResetBalances::ButtonResetClick);
    connect(ButtonClose, &QPushButton::clicked, this, &QWidget::close);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(QStringLiteral("Include the following accounts:"), RzComboBoxCandidates);
    form->addRow(LabelSelectedCandidate, lookupRow);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addWidget(buttons);
    setMinimumWidth(460);
    RzComboBoxCandidatesChange();
    applyFontFactor(this);
}

void TFormResetBalances::setDialogs(Dialogs* dialogs)
{
    dialogs_ = dialogs ? dialogs : &messageBoxes_;
}

void TFormResetBalances::chooseCustomer(const CustomerLookupRow& customer)
{
    customer_ = customer;
    wwDBLookupComboDlgSelectedCandidate->setText(customer.customerName);
    // A customer without a bill-to name shows its number, so that it still counts as picked.
    if (customer.customerName.isEmpty())
        wwDBLookupComboDlgSelectedCandidate->setText(customer.customerNo);
}

void TFormResetBalances::FormShow()
{
    RzComboBoxCandidates->setCurrentIndex(readResetChoiceIndex(ScreenSettings(directory_)));
    RzComboBoxCandidatesChange();
}

void TFormResetBalances::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        FormShow();
    QWidget::showEvent(event);
}

void TFormResetBalances::closeEvent(QCloseEvent* event)
{
    ScreenSettings settings(directory_);
    writeResetChoiceIndex(settings, RzComboBoxCandidates->currentIndex());
    QWidget::closeEvent(event);
}

void TFormResetBalances::RzComboBoxCandidatesChange()
{
    const bool selected = choiceNeedsCustomer(RzComboBoxCandidates->currentText());
    // Hidden rather than shown: the form's row keeps its place while the screen is hidden.
    LabelSelectedCandidate->setVisible(selected);
    wwDBLookupComboDlgSelectedCandidate->setVisible(selected);
    ButtonLookup->setVisible(selected);
    EnableResetButton();
}

void TFormResetBalances::EnableResetButton()
{
    const QString choice = RzComboBoxCandidates->currentText();
    ButtonReset->setEnabled(choiceNeedsCustomer(choice)
                                ? !wwDBLookupComboDlgSelectedCandidate->text().isEmpty()
                                : !choice.isEmpty());
}

void TFormResetBalances::ButtonLookupClick()
{
    try {
        TResetCustomerLookup lookup(customerLookupRows(db_), customer_ ? customer_->customerId : 0,
                                    this);
        if (lookup.exec() == QDialog::Accepted) {
            if (const auto picked = lookup.chosen())
                chooseCustomer(*picked);
        }
    } catch (const std::exception& e) {
        dialogs_->inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
    }
}

void TFormResetBalances::ButtonResetClick()
{
    const std::optional<ResetChoice> choice = resetChoiceAt(RzComboBoxCandidates->currentIndex());
    if (!choice || !ButtonReset->isEnabled())
        return;
    std::optional<qint64> customerId;
    if (*choice == ResetChoice::SelectedAccount) {
        if (!customer_)
            return;
        customerId = customer_->customerId;
    }
    confirmAndResetBalances(db_, *dialogs_, *choice, customerId);
}

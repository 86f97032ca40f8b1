#pragma once
// "Generate Invoices": the bookkeeper picks the delivery period, which meal items to take, what
// to bill and to whom, and the invoice date, and OK turns the period's deliveries into client
// and funder invoices (billing::GenerationRun). The screen is opened once and hidden when
// closed; every showing starts from last month's period with the remembered choices.

#include "billing/generationrun.h"
#include "common/ui/messageboxdialogs.h"

#include <QDateTime>
#include <QDialog>
#include <QPointer>

class DateEntry;
class MealItemTree;
class QAction;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;
class TDataModuleARSystem;
class TfrmPreview;

class TFormGenerateInvoices : public QDialog
{
    Q_OBJECT
public:
    explicit TFormGenerateInvoices(TDataModuleARSystem& module, QWidget* parent = nullptr);
    ~TFormGenerateInvoices() override;

    // Questions and messages go here instead of to message boxes (tests); null restores them.
    void setDialogs(Dialogs* dialogs);
    // The run the inputs describe, as OK starts it.
    billing::GenerationSettings generationSettings() const;
    // After a completed run (OK calls it once the closing message is read): when the run left
    // meal credits unbilled, asks whether to show them, and Yes opens the Unbilled Deliveries
    // report beside the console.
    void offerUnbilledDeliveries(const billing::GenerationResult& result,
                                 const billing::GenerationSettings& settings,
                                 const QDateTime& ranAt);
    // The report the last Yes (or the Last Run's Unbilled button) opened, while it is open.
    TfrmPreview* unbilledPreview() const;
    // "Last Run's Unbilled...": the signed-in user's last kept run, whenever it was.
    void showLastUnbilledRun();

    DateEntry* wwDBDateTimePickerStart;
    DateEntry* wwDBDateTimePickerEnd;
    QRadioButton* RzRadioButtonIncludeAll;
    QRadioButton* RzRadioButtonInclude;
    QRadioButton* RzRadioButtonExclude;
    MealItemTree* RzCheckTreeMealItems;
    QComboBox* RzComboBoxBillingMethod;
    QComboBox* RzComboBoxTimePledgeOption;
    QComboBox* RzComboBoxPayersToInclude;
    QCheckBox* wwCheckBoxPostToHistory;
    DateEntry* wwDBDateTimePickerInvoiceDate;
    QPushButton* ButtonLastUnbilled;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;
    // Run before a generation when the bookkeeper accepts; the console gives them its own
    // customer and item synchronization.
    QAction* ActionSynchronizeClients;
    QAction* ActionSynchronizeItems;

public Q_SLOTS:
    // Fresh dates and tree, remembered choices; also run when the console brings the screen
    // forward again.
    void FormShow();
    void ButtonOKClick();
    void ButtonCancelClick();

protected:
    void showEvent(QShowEvent* event) override;
    // Every way of closing (Cancel, Escape, the title bar, the end of a run) remembers the
    // choices.
    void done(int result) override;

private:
    void buildPeriod(QBoxLayout* column);
    void buildInvoiceChoices(QBoxLayout* column);
    void buildItemChoices(QBoxLayout* column);
    void wireRules();
    void applyTimePledgeRule();
    void showError(const std::exception& e);

    TDataModuleARSystem& module_;
    MessageBoxDialogs messageBoxes_;
    Dialogs* dialogs_;
    QPointer<TfrmPreview> unbilledPreview_;
};

#pragma once
// "Your Organization": the organization's tax number, fiscal year and period guards, and the
// invoicing options, on three pages. The name, address and phone are copied from the host's
// configuration each time the screen opens and are shown only. OK checks and stores the record
// and has the data module read it again, so the console and printing follow at once.

#include "common/ui/messageboxdialogs.h"
#include "masterdata/company/companyrefusal.h"
#include "masterdata/company/companysettings.h"

#include <QWidget>
#include <functional>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class TDataModuleARSystem;
class TdmLookUps;
class YearEntry;

class TfrmCompany : public QWidget
{
    Q_OBJECT
public:
    TfrmCompany(TDataModuleARSystem& module, TdmLookUps& lookups, QWidget* parent = nullptr,
                Dialogs* dialogs = nullptr);
    ~TfrmCompany() override;

    // The currency list, opened on the given currency; the button beside the default currency
    // stays disabled until the screen is told how to open it.
    void setOpenCurrencies(std::function<void(std::optional<qint64> currencyId)> open);
    // The help page at this screen's topic; the Help button stays disabled without it.
    void setOpenHelp(std::function<void()> open);

    // What the boxes hold now, and whether it differs from the stored record.
    CompanySettings settings() const;
    bool isModified() const;

    QTabWidget* PageControl;
    QLineEdit* editCompanyName;
    QLineEdit* editAddressLine1;
    QLineEdit* editAddressLine2;
    QLineEdit* editPhone;
    QLineEdit* editTaxNo;
    YearEntry* editFiscalYear;
    QSpinBox* spinDefaultPeriodPP;
    YearEntry* editDefaultPeriodYYYY;
    QSpinBox* spinWPeriodFromPP;
    YearEntry* editWPeriodFromYYYY;
    QSpinBox* spinWPeriodToPP;
    YearEntry* editWPeriodToYYYY;
    QSpinBox* spinEPeriodFromPP;
    YearEntry* editEPeriodFromYYYY;
    QSpinBox* spinEPeriodToPP;
    YearEntry* editEPeriodToYYYY;
    QLineEdit* editDefaultNetDays;
    QComboBox* cboDefaultCurrency;
    QPushButton* btnCurrency;
    QComboBox* cboClientInvoiceLineItems;
    QComboBox* cboClientInvoiceFormat;
    QComboBox* cboFunderInvoicingMethod;
    QComboBox* cboFunderInvoiceLineItems;
    QComboBox* cboFunderInvoiceFormat;
    QCheckBox* chkSuppressInvoiceWording;
    QCheckBox* chkSuppressPosting;
    QPlainTextEdit* memoNotes;
    QAction* mnuWordWrap;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QPushButton* btnHelp;

public Q_SLOTS:
    // Opens the record afresh: made if missing, the host's name and address copied in, page
    // "General" shown with the cursor on the name. The console calls it when it brings the
    // screen forward.
    void FormShow();
    // OK: checks, stores, refreshes the data module's record and closes; false after a refusal
    // (the screen stays open, nothing written).
    bool btnOKClick();
    // Cancel: drops what was typed and closes.
    void btnCancelClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildGeneralPage();
    QWidget* buildDefaultsPage();
    QWidget* buildNotesPage();
    void fillCurrencies();
    void showSettings(const CompanySettings& settings);
    bool store();
    void refuse(const CompanyRefusal& refusal);
    void refuseYear(YearEntry* box);
    bool commitYears();
    QWidget* boxOf(CompanyField field) const;
    CompanyField fieldOf(const YearEntry* box) const;
    void setWordWrap(bool on);

    TDataModuleARSystem& module_;
    TdmLookUps& lookups_;
    MessageBoxDialogs messageBoxes_;
    Dialogs& dialogs_;
    CompanySettings stored_;
    std::function<void(std::optional<qint64>)> openCurrencies_;
    std::function<void()> openHelp_;
    bool refusing_ = false;
};

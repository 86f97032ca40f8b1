#pragma once
// "AR Reports": the report menu, a two-step wizard. Page one lists the reports; page two asks
// for the chosen report's selection and starts it through the hook the console gives for it.
// Each time the menu is shown the selection goes back to its defaults, except the period and
// year, which keep what was last typed.

#include "common/money.h"
#include "common/ui/messageboxdialogs.h"
#include "reports/menu/reportmenuchoices.h"

#include <QDate>
#include <QDialog>
#include <functional>
#include <optional>

class Database;
class DateEntry;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;

class TfrmARReports : public QDialog
{
    Q_OBJECT
public:
    // The reports of page one, in their order.
    enum Report { AgedTrialBalance, History, Statements, Labels };
    static QString reportName(Report report);

    // `dialogs` shows the refusals; message boxes when none is given.
    explicit TfrmARReports(Database& db, QWidget* parent = nullptr, Dialogs* dialogs = nullptr);
    ~TfrmARReports() override;

    // What starts each report with the menu's choices. A report without one is refused.
    using Starter = std::function<void(const reports::ReportMenuChoices&)>;
    Starter startAgedTrialBalance;
    Starter startHistory;
    Starter startStatements;
    Starter startLabels;

    // The report chosen on page one.
    Report chosenReport() const;
    bool onOptionsPage() const;
    // The choices as last accepted from the fields.
    reports::ReportMenuChoices choices() const;

    QStackedWidget* pages;
    QListWidget* lstReports;
    QLabel* lblReportTitle;
    DateEntry* edtAsOf;
    QLineEdit* edtPeriod;
    QLineEdit* edtYear;
    QComboBox* cboCurrency;
    QComboBox* cboCustomer;
    QLineEdit* edtMinOwing;
    QLineEdit* edtMinDays;
    QPushButton* btnBack;
    QPushButton* btnNext;
    QPushButton* btnCancel;

public Q_SLOTS:
    // Back to the defaults and page one; the console calls it when it brings the menu forward.
    void FormShow();
    // "&Next >" on page one, the report's button on page two.
    void next();
    void back();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPages();
    void showOptionsPage();
    void showFieldTexts();
    // Reads a typed field into the choices; the refusal, else empty.
    QString commitField(QWidget* field);
    // The refusal of a field as it is left: shown, and the focus goes back to it.
    void refuseField(QWidget* field, const QString& refusal);
    void checkLeftField(QWidget* field);
    // Reads every field of the page, the focused one included; false after a refusal.
    bool commitAll();
    void run();
    const Starter& starterOf(Report report) const;

    Database& db_;
    MessageBoxDialogs messageBoxes_;
    Dialogs& dialogs_;
    QFormLayout* form_ = nullptr;
    QWidget* periodRow_ = nullptr;
    QDate asOf_;
    std::optional<int> period_;
    std::optional<int> year_;
    Money minOwing_;
    int minDays_ = 0;
    bool refusing_ = false;
};

#pragma once
// "Reset Selected Balances": the bookkeeper chooses what to clear (and, for one account, which
// customer) and Reset asks once more before the reset runs (balancereset.h). The choice is
// remembered in Hearthtable.ini, read when the screen is shown and written when it closes.

#include "close/customerlookuprows.h"
#include "common/ui/messageboxdialogs.h"

#include <QWidget>
#include <optional>

class Database;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TFormResetBalances : public QWidget
{
    Q_OBJECT
public:
    TFormResetBalances(Database& db, QString databaseDirectory, QWidget* parent = nullptr);

    // Messages go here instead of to message boxes (tests); null restores them.
    void setDialogs(Dialogs* dialogs);
    // What picking a customer in the lookup does.
    void chooseCustomer(const CustomerLookupRow& customer);

    QComboBox* RzComboBoxCandidates;
    QLabel* LabelSelectedCandidate;
    QLineEdit* wwDBLookupComboDlgSelectedCandidate;
    QPushButton* ButtonLookup;
    QPushButton* ButtonReset;
    QPushButton* ButtonClose;

public Q_SLOTS:
    // Reads the remembered choice again; the console calls it when it brings the screen forward.
    void FormShow();
    void ButtonResetClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void RzComboBoxCandidatesChange();
    void EnableResetButton();
    void ButtonLookupClick();

    Database& db_;
    QString directory_;
    std::optional<CustomerLookupRow> customer_;
    MessageBoxDialogs messageBoxes_;
    Dialogs* dialogs_;
};

#pragma once
// "Export Statements to Mail-Merge File": the bookkeeper names the file, the customers to take,
// how many open invoices per customer and the text for invoices without a description; OK
// writes the tab-delimited file (statements::exportStatements). The choices are remembered in
// Hearthtable.ini, read when the screen is shown and written when it closes.

#include "common/ui/messageboxdialogs.h"

#include <QDialog>

class Database;
class DateEntry;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

class TFormExportStatements : public QDialog
{
    Q_OBJECT
public:
    TFormExportStatements(Database& db, QString databaseDirectory, QWidget* parent = nullptr);

    // Messages go here instead of to message boxes (tests); null restores them.
    void setDialogs(Dialogs* dialogs);

    QLineEdit* EditDataFileName;
    QPushButton* ButtonBrowse;
    QLineEdit* EditStatementDescription;
    QComboBox* ComboBoxCustomerType;
    QSpinBox* wwDBSpinEditMaxStatements;
    QComboBox* ComboBoxExportType;
    DateEntry* wwDBDateTimePickerStart;
    DateEntry* wwDBDateTimePickerEnd;
    QProgressBar* ProgressBar;
    QPushButton* ButtonOK;
    QPushButton* ButtonClose;

public Q_SLOTS:
    void ButtonOKClick();

protected:
    void showEvent(QShowEvent* event) override;
    // Every way of closing remembers the choices.
    void done(int result) override;

private:
    void ButtonBrowseClick();

    Database& db_;
    QString directory_;
    MessageBoxDialogs messageBoxes_;
    Dialogs* dialogs_;
};

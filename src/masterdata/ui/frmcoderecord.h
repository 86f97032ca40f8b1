#pragma once
// The record screen of a code table: one row's fields, built from the table's description,
// saved by OK and dropped by Cancel. Refusals are shown and put the cursor in their field.

#include "common/ui/messageboxdialogs.h"
#include "masterdata/codetables/codetable.h"

#include <QDialog>
#include <QHash>
#include <QVariantMap>
#include <functional>
#include <optional>

class Database;
class QPushButton;
class QUrl;

class TfrmCodeRecord : public QDialog
{
    Q_OBJECT
public:
    // A new row when `key` is empty, else the row with that key.
    TfrmCodeRecord(Database& db, const codetables::CodeTable& table, std::optional<qint64> key,
                   QWidget* parent = nullptr);

    Dialogs* dialogs; // message boxes; tests answer them
    // The telephone dialer, handed a salesman's number; its buttons stay disabled without one.
    std::function<void(const QString& number)> dial;
    // The system's handler for "mailto:" addresses.
    std::function<bool(const QUrl&)> openUrl;
    // Enables the buttons beside the fields once the hooks are set.
    void updateFieldButtons();
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QWidget* editor(const QString& field) const { return editors_.value(field); }
    // The row's key once OK has saved it.
    std::optional<qint64> savedKey() const { return savedKey_; }
    bool modified() const { return modified_; }

    // OK: saves and closes; a refusal keeps the screen open. Returns whether it was saved.
    bool save();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void build();
    void fill(const QVariantMap& values);
    QVariantMap values() const;
    void followCaption();
    void markModified();

    Database& db_;
    codetables::CodeTable table_;
    std::optional<qint64> key_;
    std::optional<qint64> savedKey_;
    QVariant newItemId_; // a new item's key, drawn with its number
    QHash<QString, QWidget*> editors_;
    QList<QPushButton*> dialButtons_;
    MessageBoxDialogs messageBoxes_;
    QSize firstSize_; // as first shown; double-clicking the button panel goes back to it
    bool modified_ = false;
    bool closing_ = false;
};

#pragma once
// The item list's filter (by item type and suspension) and find (by number or description).

#include <QDialog>
#include <QString>

class Database;
class QComboBox;
class QLineEdit;
class QRadioButton;

// The first choice of the item-type drop-downs.
inline const QString kAllItemTypes = QStringLiteral("(all item types)");

class TfrmItemsFilter : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmItemsFilter(Database& db, QWidget* parent = nullptr);
    QString filter() const;

    QComboBox* cboItemType;
    QRadioButton *rbSuspendedYes, *rbSuspendedNo, *rbSuspendedAll;
};

class TfrmItemsFind : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmItemsFind(QWidget* parent = nullptr);
    bool byNumber() const;
    QString typed() const;

    QRadioButton *rbItemNo, *rbDescription;
    QLineEdit* editFind;
};

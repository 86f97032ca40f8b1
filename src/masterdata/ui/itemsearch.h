#pragma once
// The item search opened from an invoice line: a read-only list of items that follows what is
// typed into the item-number or description box, narrowed to one item type when one is chosen.

#include <QDialog>
#include <functional>

class Database;
class QComboBox;
class QLineEdit;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

class TfrmItemSearch : public QDialog
{
    Q_OBJECT
public:
    TfrmItemSearch(Database& db, QWidget* parent = nullptr);

    // Positions the list on the item (the line's current one), if it is listed.
    void setCurrentItem(int itemId);
    // The item under the cursor, or 0 when the list is empty.
    int selectedItemId() const;
    // How the search says that nothing begins with the typed text (replaced in tests).
    std::function<void()> beep;

    QLineEdit* editItemNo;
    QLineEdit* editDescription;
    QComboBox* cboItemType;
    QTableView* grid;

private:
    enum Column { ItemNoColumn, DescriptionColumn, TypeColumn };
    void load(Database& db);
    void searchFrom(QLineEdit* box, Column column);
    void filterByType();
    void selectRow(int proxyRow);

    QStandardItemModel* items_;
    QSortFilterProxyModel* view_;
};

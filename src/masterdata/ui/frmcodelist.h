#pragma once
// The list screen of a code table: its rows in the table's order, with New, Edit and Delete
// from the buttons, the Records menu and the grid's pop-up menu. The item list adds its sort
// order, filter, find and synchronization.

#include "common/ui/messageboxdialogs.h"
#include "masterdata/codetables/codetable.h"

#include <QWidget>
#include <functional>
#include <optional>

class Database;
class QAction;
class QMenuBar;
class QPushButton;
class QStandardItemModel;
class QTableView;
class TfrmCodeRecord;

class TfrmCodeList : public QWidget
{
    Q_OBJECT
public:
    TfrmCodeList(Database& db, const codetables::CodeTable& table, QWidget* parent = nullptr);

    Dialogs* dialogs;
    // The item list's "Synchronize": the console's item synchronization.
    std::function<void()> synchronize;
    // The telephone dialer, lent to the salesman screen.
    std::function<void(const QString& number)> dial;
    // Shows a record screen and waits for it; tests answer it instead.
    std::function<void(TfrmCodeRecord&)> runRecordScreen;
    // Help > Contents: the help page at the code tables' topic.
    std::function<void()> openHelp;

    QMenuBar* menuBar;
    QTableView* grid;
    QPushButton *btnNew, *btnEdit, *btnDelete;
    QAction *mnuNew, *mnuEdit, *mnuDelete, *popNew, *popEdit, *popDelete;
    QAction *mnuRefresh, *mnuPrint, *mnuExit, *mnuHelp;
    QAction* mnuFilter = nullptr; // items only
    QAction* mnuFind = nullptr;
    QAction* mnuSynchronize = nullptr;
    QAction* mnuSortByNumber = nullptr;
    QAction* mnuSortByDescription = nullptr;

    std::optional<qint64> currentKey() const;
    void positionOn(qint64 key);
    // The item list's filter ("(ItemTypeID =2)"); empty shows every row.
    void setFilter(const QString& filter);

public Q_SLOTS:
    void FormShow();
    void newRecord();
    void editRecord();
    void deleteRecord();
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void addItemEntries(QMenu* records, QMenu* view);
    void openRecord(std::optional<qint64> key);
    void filterItems();
    void findItem();

    Database& db_;
    codetables::CodeTable table_;
    QStandardItemModel* model_;
    MessageBoxDialogs messageBoxes_;
    QString filter_;
    QStringList order_;
    QSize firstSize_;
    bool shownBefore_ = false;
};

#pragma once
// Cell editors of the allocation grid: drop-downs whose rows show several columns (an invoice's
// number, date and owing; an account's number and name).

#include <QComboBox>
#include <QVariant>

class QStandardItemModel;

// A drop-down that lists rows of several columns and shows the first; editable, so that the
// value can be typed as well as picked.
class ColumnsComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ColumnsComboBox(QWidget* parent = nullptr);
    void addRow(const QStringList& columns, const QVariant& key = {});
    // Lays the popup out for its rows; call once they are added.
    void finishRows();

private:
    QStandardItemModel* rows_;
};

// A drop-down of names that answers with the chosen row's key (an account's GLAccountID).
class KeyComboBox : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(QVariant chosenKey READ chosenKey WRITE setChosenKey USER true)
public:
    explicit KeyComboBox(QWidget* parent = nullptr) : QComboBox(parent) {}
    QVariant chosenKey() const { return currentData(); }
    void setChosenKey(const QVariant& key) { setCurrentIndex(std::max(0, findData(key))); }
};

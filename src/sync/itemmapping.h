#pragma once
// What a new AR item is, from a host meal item: the item itself, numbered as the host numbers
// it, and its pledge counterpart, numbered "P" and the host number.

#include "common/money.h"

#include <QString>
#include <QVariantList>
#include <optional>

// A host meal item that has no AR item (or no pledge item) yet.
struct HostItem {
    std::optional<qint64> itemId;
    QString name;
    Money billedAmount; // a missing amount counts as nothing
    QString meal;       // the meal-kind code, possibly with trailing blanks ("L ")
};

struct NewItem {
    qint64 itemId = 0;
    QString itemNo;
    QString description;
    Money unitPrice;
    int itemTypeId = 0;
};

// The item type a meal code gives a new item: B 1, L 2, D 3, MF 4, SF 5, O 6 and any other code
// 3. (Updates of known items give 6 to other codes; see itemqueries.)
int newItemType(const QString& meal);

NewItem mealItem(const HostItem& host, qint64 itemId);
NewItem pledgeItem(const HostItem& host, qint64 itemId);

// The insert's fields, in order, and an item's values for them. New items are never suspended.
QStringList itemInsertFields();
QVariantList itemInsertValues(const NewItem& item);

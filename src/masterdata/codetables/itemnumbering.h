#pragma once
// A new item's number and key, drawn from ItemCtl: numbers run from 1001 and start again there
// when the counter has left 1001..10,000,000; keys start at 10000 when the counter was never
// set. A counter held by another workstation is tried again, up to 150 times.

#include <QString>

class Database;

namespace codetables
{

struct NewItemNumbers {
    QString itemNo; // empty when every attempt failed
    qint64 itemId = 0;
};

NewItemNumbers drawItemNumbers(Database& db);

} // namespace codetables

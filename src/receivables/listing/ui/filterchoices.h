#pragma once
// The currency and customer drop-downs of the registers' filter dialogs: "(all)" first, then
// the rows by name without regard to case, each holding its key. Refilling keeps the choice.

#include <QtGlobal>
#include <optional>

class Database;
class QComboBox;

void fillCurrencyChoices(QComboBox* box, Database& db);
// Each customer as "Name  (No)".
void fillCustomerChoices(QComboBox* box, Database& db);
// The key chosen; none for "(all)".
std::optional<qint64> chosenKey(const QComboBox* box);

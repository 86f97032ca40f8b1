#pragma once
// The currency and customer drop-downs of the registers' filter dialogs: "(all)" first, then
// the rows by name without regard to case, each holding its key. Refilling keeps the choice.

#include <QString>
#include <QtGlobal>
#include <optional>

class Database;
class QComboBox;

void fillCurrencyChoices(QComboBox* box, Database& db);
// Each customer as "Name  (No)".
void fillCustomerChoices(QComboBox* box, Database& db);
// The key chosen; none for "(all)".
std::optional<qint64> chosenKey(const QComboBox* box);

// The code tables' drop-downs, `first` ("(all)", or blank for a record's lookup) first.
void fillCurrencyChoices(QComboBox* box, Database& db, const QString& first);
// Salesmen by their full names.
void fillSalesmanChoices(QComboBox* box, Database& db, const QString& first);
void fillCustomerTypeChoices(QComboBox* box, Database& db, const QString& first);
void fillTaxChoices(QComboBox* box, Database& db, const QString& first);
void fillItemTypeChoices(QComboBox* box, Database& db, const QString& first);

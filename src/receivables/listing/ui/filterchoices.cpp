#include "receivables/listing/ui/filterchoices.h"

#include "engine/database.h"
#include "engine/statement.h"

#include <QComboBox>

namespace
{
void fill(QComboBox* box, Database& db, const QString& sql,
          const QString& first = QStringLiteral("(all)"))
{
    const QVariant chosen = box->currentData();
    box->clear();
    box->addItem(first);
    Statement s = db.query(sql);
    s.exec();
    while (s.next())
        box->addItem(s.text(1), s.value(0));
    box->setCurrentIndex(std::max(0, box->findData(chosen)));
}
} // namespace

void fillCurrencyChoices(QComboBox* box, Database& db)
{
    fillCurrencyChoices(box, db, QStringLiteral("(all)"));
}

void fillCustomerChoices(QComboBox* box, Database& db)
{
    fill(box, db,
         QStringLiteral("SELECT CustomerID, ") +
             db.dialect().concat({QStringLiteral("CustomerName"), QStringLiteral("'  ('"),
                                  QStringLiteral("CustomerNo"), QStringLiteral("')'")}) +
             QStringLiteral(" FROM Customer ORDER BY ") +
             db.dialect().nocaseOrder(QStringLiteral("CustomerName")));
}

std::optional<qint64> chosenKey(const QComboBox* box)
{
    const QVariant key = box->currentData();
    return key.isValid() ? std::optional<qint64>(key.toLongLong()) : std::nullopt;
}

void fillSalesmanChoices(QComboBox* box, Database& db, const QString& first)
{
    const QString fullName = db.dialect().concat(
        {QStringLiteral("FirstName"), QStringLiteral("' '"), QStringLiteral("LastName")});
    fill(box, db,
         QStringLiteral("SELECT SalesmanID, ") + fullName +
             QStringLiteral(" FROM Salesman ORDER BY ") + db.dialect().nocaseOrder(fullName),
         first);
}

void fillCustomerTypeChoices(QComboBox* box, Database& db, const QString& first)
{
    fill(box, db,
         QStringLiteral("SELECT CustomerTypeID, TypeName FROM CusType ORDER BY ") +
             db.dialect().nocaseOrder(QStringLiteral("TypeName")),
         first);
}

void fillCurrencyChoices(QComboBox* box, Database& db, const QString& first)
{
    fill(box, db,
         QStringLiteral("SELECT CurrencyID, CurrencyName FROM Currency ORDER BY ") +
             db.dialect().nocaseOrder(QStringLiteral("CurrencyName")),
         first);
}

void fillItemTypeChoices(QComboBox* box, Database& db, const QString& first)
{
    fill(box, db,
         QStringLiteral("SELECT ItemTypeID, TypeName FROM ItemType ORDER BY ") +
             db.dialect().nocaseOrder(QStringLiteral("TypeName")),
         first);
}

void fillTaxChoices(QComboBox* box, Database& db, const QString& first)
{
    fill(box, db,
         QStringLiteral("SELECT TaxID, TaxName FROM Tax ORDER BY ") +
             db.dialect().nocaseOrder(QStringLiteral("TaxName")),
         first);
}

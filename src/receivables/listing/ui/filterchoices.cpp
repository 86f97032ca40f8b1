#include "receivables/listing/ui/filterchoices.h"

#include "engine/database.h"
#include "engine/statement.h"

#include <QComboBox>

namespace
{
void fill(QComboBox* box, Database& db, const QString& sql)
{
    const QVariant chosen = box->currentData();
    box->clear();
    box->addItem(QStringLiteral("(all)"));
    Statement s = db.query(sql);
    s.exec();
    while (s.next())
        box->addItem(s.text(1), s.value(0));
    box->setCurrentIndex(std::max(0, box->findData(chosen)));
}
} // namespace

void fillCurrencyChoices(QComboBox* box, Database& db)
{
    fill(box, db,
         QStringLiteral("SELECT CurrencyID, CurrencyName FROM Currency ORDER BY ") +
             db.dialect().nocaseOrder(QStringLiteral("CurrencyName")));
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

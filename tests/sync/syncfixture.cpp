#include "syncfixture.h"

#include "data/hosttables.h"
#include "data/schemacreation.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "scripteddialogs.h"
#include "testdatabases.h"

#include <QSqlRecord>
#include <stdexcept>

namespace syncfixture
{

std::unique_ptr<Database> open(const QString& engine)
{
    auto db = testdb::fresh(engine);
    host::createTables(*db);
    records::insert(*db, host::config(),
                    {{QStringLiteral("Organizatn"), QStringLiteral("Riverside Meals")},
                     {QStringLiteral("Postal_Format"), QStringLiteral("USA")}});
    ScriptedDialogs dialogs;
    const SchemaReport report = createOrUpgradeSchema(*db, dialogs);
    if (!report.error.isEmpty())
        throw std::runtime_error(report.error.toStdString());
    return db;
}

void addClient(Database& db, const QVariantMap& values)
{
    records::insert(db, host::clients(), values);
}

void addIndividual(Database& db, const QVariantMap& values)
{
    records::insert(db, host::individuals(), values);
}

void relate(Database& db, int personId, int indivId, const QString& relationship)
{
    records::insert(db, host::relationships(),
                    {{QStringLiteral("Person_ID"), personId},
                     {QStringLiteral("Indiv_ID"), indivId},
                     {QStringLiteral("Relationship"), relationship}});
}

void addFunder(Database& db, const QVariantMap& values)
{
    records::insert(db, host::fundingSources(), values);
}

void addItem(Database& db, int itemId, const QString& name, const QVariant& meal,
             const QVariant& billedAmount)
{
    // Written as the host writes them: the meal code keeps its blanks.
    Statement s = db.prepare(QStringLiteral("INSERT INTO Items (Item_ID, Meal_Item, Meal,"
                                            " Billed_Amount) VALUES (:id, :name, :meal, :amount)"));
    s.bind(QStringLiteral("id"), itemId)
        .bind(QStringLiteral("name"), name)
        .bind(QStringLiteral("meal"), meal)
        .bind(QStringLiteral("amount"), billedAmount)
        .exec();
}

QVariantMap row(Database& db, const QString& sql)
{
    Statement s = db.query(sql);
    s.exec();
    QVariantMap values;
    if (s.next()) {
        const QSqlRecord r = s.record();
        for (int i = 0; i < r.count(); ++i)
            values.insert(r.fieldName(i).toLower(), s.value(i));
    }
    return values;
}

QVariantMap customer(Database& db, const QString& customerNo)
{
    return row(db,
               QStringLiteral("SELECT * FROM Customer WHERE CustomerNo = '%1'").arg(customerNo));
}

QVariantMap item(Database& db, const QString& itemNo)
{
    return row(db, QStringLiteral("SELECT * FROM Item WHERE ItemNo = '%1'").arg(itemNo));
}

QStringList snapshot(Database& db, const QString& table, const QString& key)
{
    QStringList rows;
    Statement s = db.query(QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(table, key));
    s.exec();
    while (s.next()) {
        const QSqlRecord r = s.record();
        QStringList fields;
        for (int i = 0; i < r.count(); ++i) {
            const QVariant v = s.value(i);
            // Booleans come back as 0/1 from SQLite and true/false from PostgreSQL.
            fields << (v.isNull()                             ? QStringLiteral("<null>")
                       : v.metaType().id() == QMetaType::Bool ? QString::number(v.toInt())
                                                              : v.toString());
        }
        rows << fields.join(QLatin1Char('|'));
    }
    return rows;
}

void refuseUpdates(Database& db, const QString& table, const QString& condition)
{
    const QString name = QStringLiteral("refuse_") + table;
    if (db.isSqlite()) {
        db.exec(QStringLiteral("CREATE TRIGGER %1 BEFORE UPDATE ON %2 FOR EACH ROW WHEN %3"
                               " BEGIN SELECT RAISE(ABORT, 'refused for the test'); END")
                    .arg(name, table, condition));
        return;
    }
    db.exec(QStringLiteral("CREATE FUNCTION %1() RETURNS trigger AS $$ BEGIN"
                           " RAISE EXCEPTION 'refused for the test'; END $$ LANGUAGE plpgsql")
                .arg(name));
    db.exec(QStringLiteral("CREATE TRIGGER %1 BEFORE UPDATE ON %2 FOR EACH ROW WHEN (%3)"
                           " EXECUTE FUNCTION %1()")
                .arg(name, table, condition));
}

} // namespace syncfixture

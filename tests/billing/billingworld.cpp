#include "billingworld.h"

#include "common/dialogs.h"
#include "data/artables.h"
#include "data/hosttables.h"
#include "data/schemacreation.h"
#include "engine/recordwriter.h"
#include "sync/customersync.h"
#include "sync/itemsync.h"
#include "testdatabases.h"

#include <QTest>

using namespace billing;

namespace billingworld
{

World::World(const QString& engine) : db_(testdb::fresh(engine))
{
    host::createTables(*db_);
    ScriptedDialogs dialogs;
    createOrUpgradeSchema(*db_, dialogs);
}

void World::client(int person, const QString& clientId, const QString& first, const QString& last,
                   const QString& urn, const QVariant& pledgeMethod, const QVariant& pledgePeriod,
                   const QVariant& pledgeAmount)
{
    records::insert(*db_, host::clients(),
                    {{QStringLiteral("Person_ID"), person},
                     {QStringLiteral("Client_ID"), clientId},
                     {QStringLiteral("First_Name"), first},
                     {QStringLiteral("Last_Name"), last},
                     {QStringLiteral("URN"), urn},
                     {QStringLiteral("Pledge_Method"), pledgeMethod},
                     {QStringLiteral("Pledge_Period"), pledgePeriod},
                     {QStringLiteral("Pledge_Amount"), pledgeAmount}});
}

void World::funder(const QString& code, const QVariant& party, const QVariant& method,
                   const QVariant& rate, const QVariant& period)
{
    records::insert(*db_, host::fundingSources(),
                    {{QStringLiteral("Fund_ID"), nextFunder_++},
                     {QStringLiteral("Fund_CD"), code},
                     {QStringLiteral("Fund_Srce"), code + QStringLiteral(" program")},
                     {QStringLiteral("Billed_Party"), party},
                     {QStringLiteral("Reimbursement_Method"), method},
                     {QStringLiteral("Reimbursement_Rate"), rate},
                     {QStringLiteral("Reimbursement_Period"), period}});
}

void World::fundUse(int person, const QString& code, const QVariant& method, const QVariant& rate,
                    const QVariant& period, int service)
{
    records::insert(*db_, host::fundUses(),
                    {{QStringLiteral("Person_ID"), person},
                     {QStringLiteral("Service_ID"), service},
                     {QStringLiteral("Fund_CD"), code},
                     {QStringLiteral("Reimbursement_Method"), method},
                     {QStringLiteral("Reimbursement_Rate"), rate},
                     {QStringLiteral("Reimbursement_Period"), period}});
}

void World::item(int id, const QString& name, const QVariant& meal, const QVariant& price)
{
    records::insert(*db_, host::items(),
                    {{QStringLiteral("Item_ID"), id},
                     {QStringLiteral("Meal_Item"), name},
                     {QStringLiteral("Meal"), meal},
                     {QStringLiteral("Billed_Amount"), price}});
}

void World::price(int person, const QString& code, const QString& unit, const QVariant& amount,
                  const QString& method, int service)
{
    records::insert(*db_, host::pricing(),
                    {{QStringLiteral("Person_ID"), person},
                     {QStringLiteral("Service_ID"), service},
                     {QStringLiteral("Fund_CD"), code},
                     {QStringLiteral("Method"), method},
                     {QStringLiteral("Unit"), unit},
                     {QStringLiteral("Amount"), amount}});
}

void World::deliver(int person, const QDate& date, const QVariant& funding, int item, int quantity,
                    bool complimentary, int service)
{
    const int id = nextDelivery_++;
    records::insert(*db_, host::deliveries(),
                    {{QStringLiteral("Deliv_ID"), id},
                     {QStringLiteral("Deliv_Dt"), date},
                     {QStringLiteral("Person_ID"), person},
                     {QStringLiteral("Svcs_Used"), service},
                     {QStringLiteral("Delivery_Status"),
                      complimentary ? QStringLiteral("C") : QStringLiteral("D")},
                     {QStringLiteral("Funding_Desc"), funding}});
    records::insert(*db_, host::mealCredits(),
                    {{QStringLiteral("Deliv_ID"), id},
                     {QStringLiteral("Deliv_Dt"), date},
                     {QStringLiteral("Item_ID"), item},
                     {QStringLiteral("Quantity"), quantity}});
}

void World::setCompany(const QString& field, const QVariant& value)
{
    records::update(*db_, ar::company(), {{field, value}}, QStringLiteral("1 = 1"));
}

void World::synchronize()
{
    ScriptedDialogs dialogs;
    NoProgress progress;
    QVERIFY(synchronizeCustomers(*db_, dialogs, progress).completed);
    QVERIFY(synchronizeItems(*db_, dialogs, progress).completed);
}

GenerationResult World::generate(const GenerationSettings& settings, ScriptedDialogs* dialogs,
                                 bool preview)
{
    ScriptedDialogs own({Dialogs::Yes, Dialogs::No});
    NoProgress progress;
    GenerationRun run(*db_, dialogs ? *dialogs : own, progress, settings, {}, FormatSettings::us());
    run.setPreview(preview);
    return run.run();
}

QStringList World::invoices()
{
    Statement s = db_->query(QStringLiteral(
        "SELECT Customer.CustomerNo, ARInv.CustomerType, ARInv.Description, ARInv.InvoiceAmount "
        "FROM ARInv JOIN Customer ON Customer.CustomerID = ARInv.CustomerID "
        "ORDER BY ARInv.ARInvoiceID"));
    s.exec();
    QStringList rows;
    while (s.next())
        rows << QStringList{s.text(0), s.text(1), s.text(2),
                            s.money(QStringLiteral("InvoiceAmount")).toPlainString()}
                    .join(QLatin1Char('|'));
    return rows;
}

QStringList World::lines(const QString& customerNo)
{
    Statement s = db_->query(QStringLiteral(
        "SELECT ARInvDet.Seq, ARInvDet.Quantity, Item.ItemNo, ARInvDet.UnitPrice, "
        "ARInvDet.ItemOvDesc FROM ARInvDet JOIN ARInv ON ARInv.ARInvoiceID = ARInvDet.ARInvoiceID "
        "JOIN Customer ON Customer.CustomerID = ARInv.CustomerID "
        "JOIN Item ON Item.ItemID = ARInvDet.ItemID "
        "WHERE Customer.CustomerNo = :no ORDER BY ARInv.ARInvoiceID, ARInvDet.Seq"));
    s.bind(QStringLiteral("no"), customerNo).exec();
    QStringList rows;
    while (s.next())
        rows << QStringList{s.text(0), QString::number(s.real(QStringLiteral("Quantity"))),
                            s.text(2), s.money(QStringLiteral("UnitPrice")).toPlainString(),
                            s.text(4)}
                    .join(QLatin1Char('|'));
    return rows;
}

QStringList World::history()
{
    Statement s = db_->query(QStringLiteral("SELECT Person_ID, Client_ID, Event FROM History "
                                            "WHERE Person_ID IS NOT NULL ORDER BY Tran_Date"));
    s.exec();
    QStringList rows;
    while (s.next())
        rows << QStringList{s.text(0), s.text(1), s.text(2)}.join(QLatin1Char('|'));
    return rows;
}

int World::count(const QString& table)
{
    Statement s = db_->query(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table));
    s.exec();
    return s.next() ? int(s.integer(0)) : -1;
}

GenerationSettings juneSettings()
{
    GenerationSettings s;
    s.period = kJune;
    s.invoiceDate = QDate(2024, 7, 2);
    s.billing = BillingChoice::MealsAndPledges;
    s.payers = PayerChoice::PrivatePayAndFunders;
    s.userName = QStringLiteral("MARGE");
    return s;
}

} // namespace billingworld

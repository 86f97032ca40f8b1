#include "data/hosttables.h"

#include "engine/schema.h"

namespace host
{

using namespace def;

namespace
{
// The address block most host records share.
QList<FieldDef> address()
{
    return {string(QStringLiteral("Address1"), 35), string(QStringLiteral("Address2"), 35),
            string(QStringLiteral("City"), 35), string(QStringLiteral("State"), 20),
            string(QStringLiteral("ZIP"), 10)};
}
} // namespace

TableDef clients()
{
    TableDef t{QStringLiteral("Clients"), {}, {}};
    t.fields = {integer(QStringLiteral("Person_ID")),    string(QStringLiteral("Client_ID"), 7),
                string(QStringLiteral("Last_Name"), 30), string(QStringLiteral("First_Name"), 20),
                string(QStringLiteral("mid_Name"), 20),  string(QStringLiteral("URN"), 20)};
    t.fields += address();
    t.fields +=
        {string(QStringLiteral("Phone"), 20),           string(QStringLiteral("EMail"), 65),
         string(QStringLiteral("Language"), 20),        date(QStringLiteral("Start_Dte")),
         integer(QStringLiteral("Svcs_Used")),          boolean(QStringLiteral("DEPENDENT")),
         fixedChar(QStringLiteral("Pledge_Method"), 1), decimal(QStringLiteral("Pledge_Amount")),
         fixedChar(QStringLiteral("Pledge_Period"), 2), string(QStringLiteral("User_Def4"), 40)};
    t.indexes = {primary({QStringLiteral("Person_ID")}),
                 index(QStringLiteral("CLIENT_ID"), {QStringLiteral("Client_ID")})};
    return t;
}

TableDef individuals()
{
    TableDef t{QStringLiteral("Individuals"), {}, {}};
    t.fields = {integer(QStringLiteral("Indiv_ID")), string(QStringLiteral("Last_Name"), 30),
                string(QStringLiteral("First_Name"), 30),
                string(QStringLiteral("Organization"), 40)};
    t.fields += address();
    t.fields += {string(QStringLiteral("Phone1"), 20), string(QStringLiteral("Phone2"), 20),
                 string(QStringLiteral("Email"), 65)};
    t.indexes = {primary({QStringLiteral("Indiv_ID")})};
    return t;
}

TableDef relationships()
{
    return {QStringLiteral("Relationships"),
            {integer(QStringLiteral("Person_ID")), integer(QStringLiteral("Indiv_ID")),
             string(QStringLiteral("Relationship"), 20)},
            {index(QStringLiteral("PERSON_ID"), {QStringLiteral("Person_ID")})}};
}

TableDef items()
{
    return {QStringLiteral("Items"),
            {integer(QStringLiteral("Item_ID")), string(QStringLiteral("Meal_Item"), 40),
             fixedChar(QStringLiteral("Meal"), 2), decimal(QStringLiteral("Billed_Amount"))},
            {primary({QStringLiteral("Item_ID")})}};
}

TableDef deliveries()
{
    return {QStringLiteral("Deliveri"),
            {integer(QStringLiteral("Deliv_ID")), date(QStringLiteral("Deliv_Dt")),
             integer(QStringLiteral("Person_ID")), string(QStringLiteral("Client_ID"), 7),
             integer(QStringLiteral("Svcs_Used")), fixedChar(QStringLiteral("Delivery_Status"), 1),
             string(QStringLiteral("Funding_Desc"), 10),
             string(QStringLiteral("Funding_Source"), 40), integer(QStringLiteral("NUMBER_MEALS")),
             string(QStringLiteral("Diet_Descr"), 40), string(QStringLiteral("Diet_Restr"), 40)},
            {primary({QStringLiteral("Deliv_ID")}),
             index(QStringLiteral("DELIV_DT"), {QStringLiteral("Deliv_Dt")}),
             index(QStringLiteral("PERSON_ID"), {QStringLiteral("Person_ID")})}};
}

TableDef mealCredits()
{
    return {QStringLiteral("MealCrdt"),
            {integer(QStringLiteral("Deliv_ID")), date(QStringLiteral("Deliv_Dt")),
             integer(QStringLiteral("Item_ID")), integer(QStringLiteral("Quantity"))},
            {index(QStringLiteral("DELIV_ID"), {QStringLiteral("Deliv_ID")}),
             index(QStringLiteral("DELIV_DT"), {QStringLiteral("Deliv_Dt")})}};
}

TableDef fundingSources()
{
    TableDef t{QStringLiteral("FundSrcs"), {}, {}};
    t.fields = {integer(QStringLiteral("Fund_ID")), string(QStringLiteral("Fund_CD"), 10),
                string(QStringLiteral("Fund_Srce"), 40), string(QStringLiteral("Contact"), 40)};
    t.fields += address();
    t.fields += {string(QStringLiteral("Phone"), 20),
                 string(QStringLiteral("Fax"), 20),
                 string(QStringLiteral("EMail"), 65),
                 fixedChar(QStringLiteral("Billed_Party"), 1),
                 fixedChar(QStringLiteral("Reimbursement_Method"), 1),
                 decimal(QStringLiteral("Reimbursement_Rate")),
                 fixedChar(QStringLiteral("Reimbursement_Period"), 1)};
    t.indexes = {primary({QStringLiteral("Fund_ID")}),
                 index(QStringLiteral("FUND_CD"), {QStringLiteral("Fund_CD")})};
    return t;
}

TableDef fundUses()
{
    return {QStringLiteral("FundUses"),
            {integer(QStringLiteral("Person_ID")), integer(QStringLiteral("Service_ID")),
             string(QStringLiteral("Fund_CD"), 10),
             fixedChar(QStringLiteral("Reimbursement_Method"), 1),
             decimal(QStringLiteral("Reimbursement_Rate")),
             fixedChar(QStringLiteral("Reimbursement_Period"), 1)},
            {index(QStringLiteral("PERSON_ID"), {QStringLiteral("Person_ID")})}};
}

TableDef pricing()
{
    return {QStringLiteral("Pricing"),
            {integer(QStringLiteral("Person_ID")), integer(QStringLiteral("Service_ID")),
             string(QStringLiteral("Fund_CD"), 10), fixedChar(QStringLiteral("Method"), 1),
             string(QStringLiteral("Unit"), 10), decimal(QStringLiteral("Amount"))},
            {index(QStringLiteral("PERSON_ID"), {QStringLiteral("Person_ID")})}};
}

TableDef services()
{
    return {QStringLiteral("Services"),
            {integer(QStringLiteral("Service_ID")), string(QStringLiteral("Service_Desc"), 40),
             integer(QStringLiteral("Sort_Order"))},
            {primary({QStringLiteral("Service_ID")})}};
}

TableDef config()
{
    return {QStringLiteral("Config"),
            {string(QStringLiteral("Organizatn"), 40), string(QStringLiteral("Org_Addr"), 35),
             string(QStringLiteral("Org_City"), 25), string(QStringLiteral("Org_State"), 20),
             string(QStringLiteral("Org_ZIP"), 10), string(QStringLiteral("Org_Phone"), 20),
             fixedChar(QStringLiteral("Postal_Format"), 3),
             boolean(QStringLiteral("Consolidate_Deliveries"))},
            {}};
}

TableDef history()
{
    return {QStringLiteral("History"),
            {integer(QStringLiteral("History_ID")), integer(QStringLiteral("Person_ID")),
             string(QStringLiteral("Client_ID"), 7), timestamp(QStringLiteral("Tran_Date")),
             date(QStringLiteral("Event_Date")), string(QStringLiteral("User"), 30),
             string(QStringLiteral("Event"), 250)},
            {primary({QStringLiteral("History_ID")}),
             index(QStringLiteral("PERSON_ID"), {QStringLiteral("Person_ID")})}};
}

QList<TableDef> allTables()
{
    return {clients(),    individuals(), relationships(),  items(),
            deliveries(), mealCredits(), fundingSources(), fundUses(),
            pricing(),    services(),    config(),         history()};
}

void createTables(Database& db)
{
    for (const TableDef& table : allTables()) {
        if (!schema::tableExists(db, table.name))
            schema::createTable(db, table);
    }
}

} // namespace host

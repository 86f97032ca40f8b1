#include "host/sampledatacatalogue.h"

#include "data/hosttables.h"
#include "engine/batchinsert.h"
#include "host/sampledatanames.h"

namespace sampledata
{

namespace
{

std::optional<Money> cents(qint64 value)
{
    return Money::fromCents(value);
}

QVariant code(const char* text)
{
    return QVariant(QString::fromLatin1(text));
}

const QVariant kNull = QVariant(QMetaType::fromType<QString>());

} // namespace

const QList<ServiceRow>& services()
{
    // Sort_Order is the order the office lists them in, not the order they were set up.
    static const QList<ServiceRow> all = {
        {service::HotMeals, QStringLiteral("Home-Delivered Hot Meals"), 1},
        {service::FrozenMeals, QStringLiteral("Frozen Meals, Weekly"), 3},
        {service::WeekendPack, QStringLiteral("Weekend Meal Pack"), 4},
        {service::MedicalNutrition, QStringLiteral("Medical Nutrition"), 2},
        {service::EmergencyBox, QStringLiteral("Emergency Shelf-Stable Box"), 5}};
    return all;
}

const QList<ItemRow>& items()
{
    static const QList<ItemRow> all = {
        {101, QStringLiteral("Oatmeal with Raisins & Juice"), kBreakfast, cents(325)},
        {102, QStringLiteral("Scrambled Eggs & Toast"), kBreakfast, cents(375)},
        {103, QStringLiteral("Breakfast Burrito"), kBreakfast, cents(410)},
        {104, QStringLiteral("Continental Breakfast Box"), kBreakfast, std::nullopt},
        {201, QStringLiteral("Turkey & Swiss on Wheat"), kLunch, cents(550)},
        {202, QStringLiteral("Chicken Salad Plate"), kLunch, cents(575)},
        {203, QStringLiteral("Vegetable Barley Soup & Roll"), kLunch, cents(495)},
        {204, QStringLiteral("Tuna Salad Sandwich"), kLunch, cents(525)},
        {205, QStringLiteral("Chef Salad"), kLunch, cents(595)},
        {301, QStringLiteral("Roast Chicken, Potatoes & Green Beans"), kDinner, cents(695)},
        {302, QStringLiteral("Beef Stew with Biscuit"), kDinner, cents(725)},
        {303, QStringLiteral("Baked Salmon & Rice"), kDinner, cents(850)},
        {304, QStringLiteral("Vegetable Lasagna"), kDinner, cents(675)},
        {305, QStringLiteral("Meatloaf & Mashed Potatoes"), kDinner, cents(710)},
        {306, QStringLiteral("Herb-Roasted Chicken, Rice Pilaf & Peas"), kDinner, cents(740)},
        // the holiday dinner has a five-digit number, like the other seasonal specials
        {12001, QStringLiteral("Thanksgiving Turkey Dinner"), kDinner, cents(995)},
        {401, QStringLiteral("Fresh Fruit Cup"), kSnack, cents(125)},
        {402, QStringLiteral("Yogurt & Granola"), kSnack, cents(160)},
        {403, QStringLiteral("Graham Crackers & Cheese"), kSnack, cents(95)},
        {501, QStringLiteral("Milk, 1% (half pint)"), kOther, cents(65)},
        {502, QStringLiteral("Orange Juice (4 oz)"), kOther, cents(55)},
        {503, QStringLiteral("Whole Wheat Bread Loaf"), kOther, cents(240)},
        {601, QStringLiteral("Nutrition Shake, Vanilla"), kMedicalFood, Money::fromRaw(23450)},
        {602, QStringLiteral("Nutrition Shake, Chocolate"), kMedicalFood, Money::fromRaw(23450)},
        {603, QStringLiteral("Thickened Water (case of 24)"), kMedicalFood, cents(1480)},
        {701, QStringLiteral("Renal Diet Dinner"), kSpecialMedicalFood, cents(925)},
        {702, QStringLiteral("Pureed Dinner"), kSpecialMedicalFood, cents(890)},
        {703, QStringLiteral("Diabetic Dinner"), kSpecialMedicalFood, cents(780)},
        {704, QStringLiteral("Gluten-Free Dinner"), kSpecialMedicalFood, cents(840)},
        // never given a meal kind: one left blank, one never filled in
        {801, QStringLiteral("Holiday Gift Bag"), QStringLiteral("  "), cents(0)},
        {802, QStringLiteral("Pet Food Bag (donated)"), kNull, std::nullopt}};
    return all;
}

QList<int> itemsOfMeal(const QString& meal)
{
    QList<int> ids;
    for (const ItemRow& item : items()) {
        const QString stored = item.meal.toString().trimmed();
        if (stored == meal.trimmed())
            ids << item.id;
    }
    return ids;
}

const QList<FunderRow>& funders()
{
    static const QList<FunderRow> all = {
        {1,
         fund::PrivatePay,
         QStringLiteral("Private Pay"),
         {},
         {},
         {},
         {},
         {},
         {},
         code("P"),
         code("C"),
         std::nullopt,
         kNull},
        {2, fund::AgingAgency, QStringLiteral("Riverbend County Area Agency on Aging"),
         QStringLiteral("Denise Whitfield"), QStringLiteral("1200 Courthouse Square"),
         QStringLiteral("Suite 310"), QStringLiteral("(740) 555-0110"),
         QStringLiteral("(740) 555-0111"), QStringLiteral("claims@aaa-riverbend.example.org"),
         code("3"), code("I"), std::nullopt, kNull},
        {3,
         fund::MedicaidWaiver,
         QStringLiteral("Medicaid Home and Community Waiver"),
         QStringLiteral("Provider Billing Unit"),
         QStringLiteral("50 West Broad Street"),
         QStringLiteral("Floor 31"),
         QStringLiteral("(614) 555-0175"),
         {},
         QStringLiteral("providers@medicaid.example.gov"),
         code("3"),
         code("T"),
         cents(750),
         code("D")},
        {4,
         fund::Veterans,
         QStringLiteral("Veterans Community Care Program"),
         QStringLiteral("Marcus Hale"),
         QStringLiteral("2090 Memorial Drive"),
         {},
         QStringLiteral("(740) 555-0123"),
         QStringLiteral("(740) 555-0124"),
         {},
         code("3"),
         code("C"),
         std::nullopt,
         kNull},
        {5,
         fund::UnitedWay,
         QStringLiteral("United Way of the Riverbend Valley"),
         QStringLiteral("Grants Office"),
         QStringLiteral("88 Market Street"),
         {},
         QStringLiteral("(740) 555-0131"),
         {},
         QStringLiteral("grants@uway.example.org"),
         code("N"),
         code("I"),
         std::nullopt,
         kNull},
        {6,
         fund::DonorFund,
         QStringLiteral("Adopt-a-Senior Donor Fund"),
         QStringLiteral("Rev. Alan Prescott"),
         QStringLiteral("418 Foundry Street"),
         {},
         QStringLiteral("(740) 555-0142"),
         {},
         {},
         code("C"),
         code("I"),
         std::nullopt,
         kNull},
        {7,
         fund::SlidingFee,
         QStringLiteral("Sliding Fee Scale"),
         {},
         {},
         {},
         {},
         {},
         {},
         kNull,
         code("C"),
         std::nullopt,
         kNull},
        {8,
         fund::HospitalDischarge,
         QStringLiteral("Mercy Valley Hospital Discharge Program"),
         QStringLiteral("Case Management Dept."),
         QStringLiteral("1 Mercy Valley Way"),
         {},
         QStringLiteral("(740) 555-0156"),
         QStringLiteral("(740) 555-0157"),
         QStringLiteral("discharge@mercyvalley.example.org"),
         code("3"),
         code("T"),
         cents(950),
         code("D")},
        {9,
         fund::BlockGrant,
         QStringLiteral("Community Services Block Grant"),
         QStringLiteral("Patricia Okafor"),
         QStringLiteral("77 Union Street"),
         QStringLiteral("Room 4"),
         QStringLiteral("(740) 555-0163"),
         {},
         {},
         code("3"),
         code("T"),
         cents(825),
         code("D")},
        {10,
         fund::Parish,
         QStringLiteral("St. Brigid Parish Meal Ministry"),
         {},
         QStringLiteral("305 Church Street"),
         {},
         QStringLiteral("(740) 555-0168"),
         {},
         {},
         code(" "),
         kNull,
         std::nullopt,
         kNull},
        {11,
         fund::HealthPlan,
         QStringLiteral("Valley Health Plan - Medicare Advantage"),
         QStringLiteral("Supplemental Benefits"),
         QStringLiteral("PO Box 4410"),
         {},
         QStringLiteral("(614) 555-0189"),
         QStringLiteral("(614) 555-0190"),
         QStringLiteral("benefits@valleyhealth.example.com"),
         code("3"),
         code("I"),
         std::nullopt,
         kNull}};
    return all;
}

const FunderRow& funder(const QString& fundCode)
{
    for (const FunderRow& f : funders()) {
        if (f.code == fundCode)
            return f;
    }
    Q_ASSERT_X(false, "funder", "unknown funding code");
    return funders().first();
}

const QList<PriceRow>& funderPriceLists()
{
    static const QList<PriceRow> all = {
        // the aging agency pays by meal kind, with a few items priced on their own
        {0, 0, fund::AgingAgency, QStringLiteral("F"), QStringLiteral("B"), cents(310)},
        {0, 0, fund::AgingAgency, QStringLiteral("F"), QStringLiteral("L"), cents(585)},
        {0, 0, fund::AgingAgency, QStringLiteral("F"), QStringLiteral("D"), cents(640)},
        {0, 0, fund::AgingAgency, QStringLiteral("F"), QStringLiteral("MF"), cents(210)},
        {0, 0, fund::AgingAgency, QStringLiteral("F"), QStringLiteral("SM"), cents(790)},
        {0, 0, fund::AgingAgency, QStringLiteral("F"), QStringLiteral("S "), cents(125)},
        {0, service::WeekendPack, fund::AgingAgency, QStringLiteral("F"), QStringLiteral("O "),
         cents(60)},
        {0, 0, fund::AgingAgency, QStringLiteral("F"), QStringLiteral("301"), cents(695)},
        {0, service::HotMeals, fund::AgingAgency, QStringLiteral("F"), QStringLiteral("12001"),
         cents(850)},
        // the health plan covers nutrition shakes; dinners are listed but not yet priced
        {0, 0, fund::HealthPlan, QStringLiteral("F"), QStringLiteral("D"), std::nullopt},
        {0, 0, fund::HealthPlan, QStringLiteral("F"), QStringLiteral("601"), cents(275)},
        {0, 0, fund::HealthPlan, QStringLiteral("F"), QStringLiteral("602"), cents(275)},
        {0, service::MedicalNutrition, fund::HealthPlan, QStringLiteral("F"), QStringLiteral("MF"),
         Money::fromRaw(24875)},
        // the United Way grant is not billed, but its budget prices lunches
        {0, 0, fund::UnitedWay, QStringLiteral("F"), QStringLiteral("L"), cents(500)}};
    return all;
}

QVariant decimalValue(const std::optional<Money>& amount)
{
    return amount ? QVariant(amount->toPlainString()) : kNull;
}

void writeCatalogue(Database& db)
{
    BatchInsert serviceRows(db, host::services(),
                            {QStringLiteral("Service_ID"), QStringLiteral("Service_Desc"),
                             QStringLiteral("Sort_Order")});
    for (const ServiceRow& s : services())
        serviceRows.add({s.id, s.description, s.sortOrder});
    serviceRows.finish();

    BatchInsert itemRows(db, host::items(),
                         {QStringLiteral("Item_ID"), QStringLiteral("Meal_Item"),
                          QStringLiteral("Meal"), QStringLiteral("Billed_Amount")});
    for (const ItemRow& i : items())
        itemRows.add({i.id, i.name, i.meal, decimalValue(i.billedAmount)});
    itemRows.finish();

    const Town& home = homeTown();
    BatchInsert funderRows(
        db, host::fundingSources(),
        {QStringLiteral("Fund_ID"), QStringLiteral("Fund_CD"), QStringLiteral("Fund_Srce"),
         QStringLiteral("Contact"), QStringLiteral("Address1"), QStringLiteral("Address2"),
         QStringLiteral("City"), QStringLiteral("State"), QStringLiteral("ZIP"),
         QStringLiteral("Phone"), QStringLiteral("Fax"), QStringLiteral("EMail"),
         QStringLiteral("Billed_Party"), QStringLiteral("Reimbursement_Method"),
         QStringLiteral("Reimbursement_Rate"), QStringLiteral("Reimbursement_Period")});
    for (const FunderRow& f : funders()) {
        const bool hasAddress = !f.address1.isEmpty();
        // the state offices are in the capital, the others in the county seat
        const bool capital = f.phone.startsWith(QLatin1String("(614)"));
        funderRows.add({f.id, f.code, f.name, f.contact, f.address1, f.address2,
                        hasAddress ? (capital ? QStringLiteral("Columbus") : home.city) : QString(),
                        hasAddress ? home.state : QString(),
                        hasAddress ? (capital ? QStringLiteral("43215") : home.zip) : QString(),
                        f.phone, f.fax, f.email, f.billedParty, f.method, decimalValue(f.rate),
                        f.period});
    }
    funderRows.finish();

    BatchInsert priceRows(db, host::pricing(),
                          {QStringLiteral("Person_ID"), QStringLiteral("Service_ID"),
                           QStringLiteral("Fund_CD"), QStringLiteral("Method"),
                           QStringLiteral("Unit"), QStringLiteral("Amount")});
    for (const PriceRow& p : funderPriceLists())
        priceRows.add(
            {p.personId, p.serviceId, p.fundCode, p.method, p.unit, decimalValue(p.amount)});
    priceRows.finish();

    BatchInsert configRow(
        db, host::config(),
        {QStringLiteral("Organizatn"), QStringLiteral("Org_Addr"), QStringLiteral("Org_City"),
         QStringLiteral("Org_State"), QStringLiteral("Org_ZIP"), QStringLiteral("Org_Phone"),
         QStringLiteral("Postal_Format"), QStringLiteral("Consolidate_Deliveries")});
    configRow.add({QStringLiteral("Riverbend Community Meals"),
                   QStringLiteral("418 Foundry Street"), home.city, home.state, home.zip,
                   QStringLiteral("(740) 555-0140"), QStringLiteral("USA"), false});
    configRow.finish();
}

} // namespace sampledata

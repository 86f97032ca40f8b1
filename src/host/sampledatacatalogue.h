#pragma once
// The sample program's fixed catalogue: its services, the meal items on its menu, the funding
// sources that pay for meals with their generic price lists, and its own configuration row.

#include "common/money.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <optional>

class Database;

namespace sampledata
{

namespace service
{
constexpr int HotMeals = 1;
constexpr int FrozenMeals = 2;
constexpr int WeekendPack = 3;
constexpr int MedicalNutrition = 4;
constexpr int EmergencyBox = 5;
} // namespace service

// Funding source codes, as deliveries name them in Funding_Desc.
namespace fund
{
inline const QString PrivatePay = QStringLiteral("PRI");
inline const QString AgingAgency = QStringLiteral("AAA");
inline const QString MedicaidWaiver = QStringLiteral("MCDWAIVER");
inline const QString Veterans = QStringLiteral("VA");
inline const QString UnitedWay = QStringLiteral("UWAY");
inline const QString DonorFund = QStringLiteral("DONOR");
inline const QString SlidingFee = QStringLiteral("SLIDE");
inline const QString HospitalDischarge = QStringLiteral("HOSPDC");
inline const QString BlockGrant = QStringLiteral("CSBG");
inline const QString Parish = QStringLiteral("CHURCH");
inline const QString HealthPlan = QStringLiteral("HEALTHPLAN");
} // namespace fund

struct ServiceRow {
    int id;
    QString description;
    int sortOrder;
};

struct ItemRow {
    int id;
    QString name;
    QVariant meal; // "B ", "MF", "  " or null
    std::optional<Money> billedAmount;
};

struct FunderRow {
    int id;
    QString code;
    QString name;
    QString contact;
    QString address1;
    QString address2;
    QString phone;
    QString fax;
    QString email;
    QVariant billedParty; // "3", "P", "N", "C", " " or null
    QVariant method;      // "I", "T", "C" or null
    std::optional<Money> rate;
    QVariant period; // "D", "M", "Y" or null
};

struct PriceRow {
    int personId;  // 0: the funder's generic price
    int serviceId; // 0: every service
    QString fundCode;
    QString method; // "F" unit amount, "P" pledge
    QString unit;   // a meal code or an item number
    std::optional<Money> amount;
};

// The one-letter meal codes as the host's fixed-width field holds them.
inline const QString kBreakfast = QStringLiteral("B ");
inline const QString kLunch = QStringLiteral("L ");
inline const QString kDinner = QStringLiteral("D ");
inline const QString kSnack = QStringLiteral("S ");
inline const QString kOther = QStringLiteral("O ");
inline const QString kMedicalFood = QStringLiteral("MF");
inline const QString kSpecialMedicalFood = QStringLiteral("SM");

const QList<ServiceRow>& services();
const QList<ItemRow>& items();
// Item numbers of one meal code ("B ", "MF"); an empty code gives the uncategorized items.
QList<int> itemsOfMeal(const QString& meal);
const QList<FunderRow>& funders();
const FunderRow& funder(const QString& code);
// Prices a funder pays for any of its clients (Person_ID 0).
const QList<PriceRow>& funderPriceLists();

// A host decimal value: four decimals as text, or null.
QVariant decimalValue(const std::optional<Money>& amount);

// Services, Items, FundSrcs, the funders' Pricing rows and Config.
void writeCatalogue(Database& db);

} // namespace sampledata

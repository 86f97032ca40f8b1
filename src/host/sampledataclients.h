#pragma once
// The client roster: who receives meals, from which funding source, on which days, who pays
// their bills, what they pledged, and the client-specific rates and prices the office keeps.

#include "host/sampledata.h"
#include "host/sampledatacatalogue.h"
#include "host/sampledatanames.h"

#include <QDate>
#include <QList>
#include <optional>

namespace sampledata
{

enum class Schedule {
    Weekdays,      // a hot meal every weekday
    MonWedFri,     // a hot meal three days a week
    TueThu,        // a hot meal two days a week
    WeeklyFrozen,  // a week of frozen meals on one day
    WeeklyMedical, // nutrition products once a week
    Fridays,       // the weekend pack, every Friday
};

enum class Diet { Regular, LowSodium, Diabetic, Renal, Pureed, GlutenFree };

// What one client receives under one funding source over part of the period.
struct MealPlan {
    QString fundCode;
    int serviceId = service::HotMeals;
    Schedule schedule = Schedule::Weekdays;
    int weekday = 1; // Monday = 1, for the weekly schedules
    QDate from;
    QDate to;

    bool deliversOn(const QDate& day) const;
};

struct SampleClient {
    int index = 0;
    int personId = 0;
    QString clientId; // empty while the applicant waits for a place
    PersonName name;
    QString urn;
    PostalAddress address;
    QString phone;
    QString email;
    QString language;
    QDate start;
    int serviceId = service::HotMeals;
    bool dependent = false;
    QString pledgeMethod; // "I", "T" or empty
    std::optional<Money> pledgeAmount;
    QString pledgePeriod; // "DY", "MO", "YR" or empty
    QString route;
    Diet diet = Diet::Regular;
    QString dietDescription;
    QString dietRestriction;
    QList<MealPlan> plans;
};

struct IndividualRow {
    int id;
    QString lastName;
    QString firstName;
    QString organization;
    PostalAddress address;
    QString phone1;
    QString phone2;
    QString email;
};

struct RelationshipRow {
    int personId;
    int individualId;
    QString kind; // "Bill-To", "Emergency Contact", ...
};

struct FundUseRow {
    int personId;
    int serviceId; // 0: every service
    QString fundCode;
    QString method;
    std::optional<Money> rate;
    QString period;
};

struct ClientRoster {
    QList<SampleClient> clients;
    QList<IndividualRow> individuals;
    QList<RelationshipRow> relationships;
    QList<FundUseRow> fundUses;
    QList<PriceRow> prices; // the clients' own prices and pledges
};

ClientRoster planClients(const SampleDataOptions& options);
// Clients, Individuals, Relationships, FundUses and the clients' Pricing rows.
void writeClients(Database& db, const ClientRoster& roster);

} // namespace sampledata

#include "host/sampledataclients.h"

#include "data/hosttables.h"
#include "engine/batchinsert.h"

#include <QHash>
#include <algorithm>

namespace sampledata
{

namespace
{

constexpr quint64 kClientStream = 1;
// The first clients each show one kind of client that billing treats its own way.
constexpr int kShowcaseClients = SampleDataOptions::kMinClients;
// the guardianship office two of the first clients share as their Bill-To
const QString kGuardian = QStringLiteral("Harbor Guardianship Services");

QString dietText(Diet diet)
{
    switch (diet) {
    case Diet::Regular:
        return QStringLiteral("Regular");
    case Diet::LowSodium:
        return QStringLiteral("Low Sodium");
    case Diet::Diabetic:
        return QStringLiteral("Diabetic (carb controlled)");
    case Diet::Renal:
        return QStringLiteral("Renal");
    case Diet::Pureed:
        return QStringLiteral("Pureed");
    case Diet::GlutenFree:
        return QStringLiteral("Gluten Free");
    }
    return {};
}

int serviceOf(Schedule schedule)
{
    switch (schedule) {
    case Schedule::Weekdays:
    case Schedule::MonWedFri:
    case Schedule::TueThu:
        return service::HotMeals;
    case Schedule::WeeklyFrozen:
        return service::FrozenMeals;
    case Schedule::WeeklyMedical:
        return service::MedicalNutrition;
    case Schedule::Fridays:
        return service::WeekendPack;
    }
    return service::HotMeals;
}

// How the office's clients are spread over its funding sources.
QString anyFunder(Random& random, const QString& except = {})
{
    static const QList<QString> codes = {
        fund::AgingAgency, fund::PrivatePay, fund::MedicaidWaiver, fund::Veterans,
        fund::UnitedWay,   fund::DonorFund,  fund::SlidingFee,     fund::HospitalDischarge,
        fund::BlockGrant,  fund::Parish,     fund::HealthPlan};
    static const QList<int> weights = {30, 12, 10, 5, 6, 5, 10, 4, 6, 4, 8};
    for (;;) {
        const QString code = codes[random.weighted(weights)];
        if (code != except)
            return code;
    }
}

Schedule anySchedule(Random& random, const QString& fundCode)
{
    if (fundCode == fund::HealthPlan)
        return random.chance(50) ? Schedule::WeeklyMedical : Schedule::WeeklyFrozen;
    static const QList<Schedule> schedules = {Schedule::Weekdays, Schedule::MonWedFri,
                                              Schedule::TueThu, Schedule::WeeklyFrozen,
                                              Schedule::WeeklyMedical};
    static const QList<int> weights = {42, 22, 8, 21, 7};
    return schedules[random.weighted(weights)];
}

Money steps(Random& random, int fromCents, int toCents, int stepCents)
{
    return Money::fromCents(fromCents +
                            stepCents * random.below((toCents - fromCents) / stepCents + 1));
}

class Planner
{
public:
    explicit Planner(const SampleDataOptions& options)
        : options_(options), first_(options.periodStart), last_(options.periodEnd())
    {
    }

    ClientRoster run()
    {
        roster_.clients.reserve(options_.clients);
        for (int index = 0; index < options_.clients; ++index) {
            Random random = Random::stream(options_.seed, kClientStream, quint64(index));
            SampleClient client = baseClient(index, random);
            if (index < kShowcaseClients) {
                // plain meals, so that the client's own prices and pledges meet his deliveries
                setDiet(client, Diet::Regular);
                client.dietRestriction.clear();
                showcase(client, random);
            } else {
                everydayVariety(client, random);
            }
            roster_.clients << client;
        }
        return std::move(roster_);
    }

private:
    // Every kind of client that billing treats its own way, one after the other.
    void showcase(SampleClient& c, Random& random)
    {
        switch (c.index) {
        case 0:
            receive(c, fund::AgingAgency, Schedule::Weekdays);
            pledgeItems(c, {{QStringLiteral("301"), 150},
                            {QStringLiteral("D"), 100},
                            {QStringLiteral("L"), 75}});
            relate(c, QStringLiteral("Bill-To"), organizationWithContact(random));
            break;
        case 1:
            receive(c, fund::PrivatePay, Schedule::MonWedFri);
            pledgeTime(c, QStringLiteral("DY"), Money::fromCents(200));
            relate(c, QStringLiteral("Emergency Contact"), relative(random, c));
            break;
        case 2:
            receive(c, fund::MedicaidWaiver, Schedule::Weekdays);
            pledgeTime(c, QStringLiteral("MO"), Money::fromCents(2000));
            relate(c, QStringLiteral("Bill-To"), relative(random, c));
            relate(c, QStringLiteral("Bill-To"), organizationOnly(random, kGuardian));
            // a client rate kept without its method: the funder's own method applies
            fundUse(c, 0, fund::MedicaidWaiver, {}, Money::fromCents(800), QStringLiteral("D"));
            break;
        case 3:
            receive(c, fund::Veterans, Schedule::WeeklyFrozen);
            pledgeTime(c, QStringLiteral("YR"), Money::fromCents(15000));
            break;
        case 4:
            receive(c, fund::UnitedWay, Schedule::Weekdays);
            c.pledgeMethod = QStringLiteral("I"); // pledged per item, but no amounts recorded
            break;
        case 5:
            receive(c, fund::DonorFund, Schedule::Weekdays);
            price(c, service::HotMeals, fund::DonorFund, QStringLiteral("201"), 400);
            price(c, 0, fund::DonorFund, QStringLiteral("L"), 350);
            price(c, 0, fund::DonorFund, QStringLiteral("302"), 425);
            price(c, service::HotMeals, fund::DonorFund, QStringLiteral("D"), 450);
            break;
        case 6:
            receive(c, fund::SlidingFee, Schedule::MonWedFri);
            relate(c, QStringLiteral("Bill-To"), organizationOnly(random, kGuardian));
            break;
        case 7: {
            // discharged from hospital: the hospital pays for the first weeks, then the agency
            receive(c, fund::HospitalDischarge, Schedule::Weekdays);
            const qint64 days = c.plans.first().from.daysTo(last_);
            if (days >= 6) {
                const QDate change = c.plans.first().from.addDays(days / 2);
                c.plans.first().to = change.addDays(-1);
                c.plans << plan(fund::AgingAgency, Schedule::Weekdays, 1, change, last_);
            }
            relate(c, QStringLiteral("Bill-To"), lastNameOnly(random));
            break;
        }
        case 8:
            receive(c, fund::BlockGrant, Schedule::Weekdays);
            fundUse(c, 0, fund::BlockGrant, QStringLiteral("T"), Money::fromCents(900),
                    QStringLiteral("D"));
            break;
        case 9:
            receive(c, fund::Parish, Schedule::TueThu);
            relate(c, QStringLiteral("Bill-To"), addressOnly(random));
            break;
        case 10:
            receive(c, fund::HealthPlan, Schedule::WeeklyMedical);
            c.plans << plan(fund::UnitedWay, Schedule::Fridays, 5, c.plans.first().from, last_);
            fundUse(c, service::MedicalNutrition, fund::HealthPlan, QStringLiteral("T"),
                    Money::fromCents(1250), QStringLiteral("D"));
            break;
        case 11:
            becomeSpouse(c, roster_.clients[10], random);
            receive(c, fund::AgingAgency, Schedule::Weekdays);
            break;
        case 12:
            receive(c, fund::AgingAgency, Schedule::Weekdays);
            fundUse(c, 0, fund::AgingAgency, QStringLiteral("I"), std::nullopt, {});
            price(c, service::HotMeals, fund::AgingAgency, QStringLiteral("302"), 525);
            price(c, 0, fund::AgingAgency, QStringLiteral("D"), 550);
            price(c, 0, fund::AgingAgency, QStringLiteral("303"), 600);
            price(c, service::HotMeals, fund::AgingAgency, QStringLiteral("L"), 500);
            break;
        case 13:
            receive(c, fund::MedicaidWaiver, Schedule::MonWedFri);
            // a client rate whose period was never filled in
            fundUse(c, service::HotMeals, fund::MedicaidWaiver, QStringLiteral("T"),
                    Money::fromCents(725), {});
            break;
        case 14:
            // The one monthly rate: billing multiplies it by the delivery dates all the same,
            // so it is kept small, two days a week.
            receive(c, fund::AgingAgency, Schedule::TueThu);
            fundUse(c, 0, fund::AgingAgency, QStringLiteral("T"), Money::fromCents(2500),
                    QStringLiteral("M"));
            break;
        case 15:
            receive(c, fund::DonorFund, Schedule::MonWedFri);
            fundUse(c, service::HotMeals, fund::DonorFund, QStringLiteral("C"), std::nullopt, {});
            pledgeTime(c, QStringLiteral("DY"), Money::fromCents(150));
            break;
        case 16:
            receive(c, fund::HealthPlan, Schedule::WeeklyMedical);
            // this client's vanilla shakes are covered in full elsewhere: priced at nothing
            price(c, 0, fund::HealthPlan, QStringLiteral("601"), 0);
            break;
        case 17:
            setDiet(c, Diet::Renal);
            receive(c, fund::Veterans, Schedule::Weekdays);
            relate(c, QStringLiteral("Case Manager"), caseManager(random));
            break;
        case 18:
            waitForAPlace(c);
            break;
        case 19: {
            const qint64 days = first_.daysTo(last_);
            c.start = first_.addDays(std::min<qint64>(days, 9));
            receive(c, fund::AgingAgency, Schedule::Weekdays);
            pledgeTime(c, QStringLiteral("MO"), Money::fromCents(1500));
            break;
        }
        }
    }

    // The rest of the roster: drawn at random in believable shares.
    void everydayVariety(SampleClient& c, Random& random)
    {
        const SampleClient& previous = roster_.clients.last();
        const bool previousIsHousehold = !previous.dependent && !previous.clientId.isEmpty() &&
                                         previous.clientId.indexOf(QLatin1Char('.')) < 0;
        if (previousIsHousehold && random.chance(3)) {
            becomeSpouse(c, previous, random);
            shareBillTo(c, previous);
            if (!previous.plans.isEmpty()) {
                const MealPlan& p = previous.plans.first();
                c.plans << plan(p.fundCode, p.schedule, p.weekday, p.from, last_);
                c.serviceId = p.serviceId;
            }
            return;
        }

        const int situation = random.below(1000);
        if (situation < 10) {
            waitForAPlace(c);
            return;
        }
        if (situation < 40) {
            // new this period: the first delivery comes some days in
            const qint64 days = first_.daysTo(last_);
            c.start = first_.addDays(random.below(int(std::max<qint64>(1, days - 3))));
        }
        const QString fundCode = anyFunder(random);
        if (fundCode == fund::MedicaidWaiver && c.urn.isEmpty())
            c.urn = QStringLiteral("MCD%1").arg(random.between(100000000, 999999999));
        if (random.chance(6))
            setDiet(c, random.chance(50) ? Diet::Renal : Diet::Pureed);
        if (situation >= 40 && situation < 65) {
            // in hospital or away with family all period: nothing delivered
            receive(c, fundCode, anySchedule(random, fundCode), random.between(1, 5));
            c.plans.clear();
        } else {
            receive(c, fundCode, anySchedule(random, fundCode), random.between(1, 5));
        }

        if (!c.plans.isEmpty() && situation >= 65 && situation < 95) {
            // the funding changed during the period
            MealPlan& firstPlan = c.plans.first();
            const qint64 days = firstPlan.from.daysTo(last_);
            if (days >= 6) {
                const QDate change = firstPlan.from.addDays(random.between(3, int(days) - 2));
                firstPlan.to = change.addDays(-1);
                c.plans << plan(anyFunder(random, fundCode), firstPlan.schedule, firstPlan.weekday,
                                change, last_);
            }
        } else if (!c.plans.isEmpty() && situation >= 95 && situation < 135) {
            // a weekend pack paid by another source
            static const QList<QString> sponsors = {fund::UnitedWay, fund::Parish, fund::DonorFund};
            QString sponsor = random.pick(sponsors);
            if (sponsor == fundCode)
                sponsor = fund::UnitedWay == fundCode ? fund::Parish : fund::UnitedWay;
            c.plans << plan(sponsor, Schedule::Fridays, 5, c.plans.first().from, last_);
        }

        if (random.chance(24)) {
            const int kind = random.weighted({30, 30, 30, 10});
            if (kind == 0) {
                QList<QPair<QString, int>> pledges;
                if (random.chance(80)) {
                    static const QList<QString> units = {
                        QStringLiteral("D"),   QStringLiteral("L"),   QStringLiteral("B"),
                        QStringLiteral("301"), QStringLiteral("302"), QStringLiteral("201")};
                    const int count = random.between(1, 2);
                    for (int i = 0; i < count; ++i) {
                        const QString unit = random.pick(units);
                        if (std::none_of(pledges.cbegin(), pledges.cend(),
                                         [&](const auto& p) { return p.first == unit; }))
                            pledges << qMakePair(unit, 50 + 25 * random.below(7));
                    }
                }
                pledgeItems(c, pledges);
            } else if (kind == 1) {
                pledgeTime(c, QStringLiteral("DY"), steps(random, 100, 300, 50));
            } else if (kind == 2) {
                pledgeTime(c, QStringLiteral("MO"), steps(random, 1000, 4000, 500));
            } else {
                pledgeTime(c, QStringLiteral("YR"), steps(random, 10000, 30000, 2500));
            }
        }

        if (random.chance(7)) {
            const int kind = random.weighted({50, 32, 10, 5, 3});
            IndividualRow payer = kind == 0   ? relative(random, c)
                                  : kind == 1 ? organizationWithContact(random)
                                  : kind == 2 ? organizationOnly(random)
                                  : kind == 3 ? lastNameOnly(random)
                                              : addressOnly(random);
            relate(c, QStringLiteral("Bill-To"), payer);
        }
        if (random.chance(35))
            relate(c, QStringLiteral("Emergency Contact"), relative(random, c));
        if (random.chance(6))
            relate(c, QStringLiteral("Case Manager"), caseManager(random));
        if (random.chance(2))
            relate(c, QStringLiteral("Physician"), physician(random));

        if (random.chance(2)) {
            const int method = random.weighted({40, 35, 25});
            const int serviceId = random.chance(50) ? 0 : c.serviceId;
            if (method == 0) {
                fundUse(c, serviceId, fundCode, QStringLiteral("I"), std::nullopt, {});
            } else if (method == 1) {
                // a rate per delivery day, as the funders of meal programs pay them
                fundUse(c, serviceId, fundCode, QStringLiteral("T"), steps(random, 600, 900, 25),
                        QStringLiteral("D"));
            } else {
                fundUse(c, serviceId, fundCode, QStringLiteral("C"), std::nullopt, {});
            }
        }
        if (random.chance(2.5)) {
            static const QList<QString> units = {QStringLiteral("L"),   QStringLiteral("D"),
                                                 QStringLiteral("201"), QStringLiteral("202"),
                                                 QStringLiteral("304"), QStringLiteral("305")};
            price(c, random.chance(50) ? 0 : c.serviceId, fundCode, random.pick(units),
                  400 + 5 * random.below(61));
        }
    }

    SampleClient baseClient(int index, Random& random)
    {
        SampleClient c;
        c.index = index;
        personId_ += 1 + (random.chance(6) ? random.between(1, 3) : 0);
        c.personId = personId_;
        c.name = personName(random);
        c.address = homeAddress(random);
        if (random.chance(93))
            c.phone = phoneNumber(random, c.address.town.areaCode);
        if (random.chance(12))
            c.email = emailAddress(random, c.name.first, c.name.last);
        c.language = homeLanguage(random);
        c.start = first_.addDays(-random.between(20, 2900));
        if (random.chance(25))
            c.urn = QStringLiteral("RB%1").arg(random.between(100000, 999999));
        static const QList<Diet> diets = {Diet::Regular, Diet::LowSodium, Diet::Diabetic,
                                          Diet::GlutenFree};
        setDiet(c, diets[random.weighted({62, 18, 16, 4})]);
        static const QList<QString> restrictions = {
            QStringLiteral("No pork"), QStringLiteral("No fish"), QStringLiteral("Peanut allergy"),
            QStringLiteral("Lactose intolerant"), QStringLiteral("No spicy foods")};
        if (random.chance(18))
            c.dietRestriction = random.pick(restrictions);
        const int townIndex = int(towns().indexOf(c.address.town));
        c.route = QStringLiteral("Route %1 - %2")
                      .arg(townIndex * 3 + random.between(1, 3))
                      .arg(c.address.town.city);
        c.clientId = QString::number(++clientNumber_);
        return c;
    }

    void waitForAPlace(SampleClient& c)
    {
        // Applicants get their client number when a place is free: undo the one just drawn.
        --clientNumber_;
        c.clientId.clear();
        c.start = QDate();
        c.route.clear();
        c.plans.clear();
    }

    void becomeSpouse(SampleClient& c, const SampleClient& partner, Random& random)
    {
        --clientNumber_; // the household keeps one number
        c.clientId = partner.clientId + QStringLiteral(".1");
        c.name.last = partner.name.last;
        c.name.female = !partner.name.female;
        c.name.first = firstName(random, c.name.female);
        c.address = partner.address;
        c.phone = partner.phone;
        c.email.clear();
        c.language = partner.language;
        c.route = partner.route;
        c.start = partner.start;
        c.urn.clear();
        c.dependent = true;
    }

    void setDiet(SampleClient& c, Diet diet)
    {
        c.diet = diet;
        c.dietDescription = dietText(diet);
    }

    MealPlan plan(const QString& fundCode, Schedule schedule, int weekday, const QDate& from,
                  const QDate& to) const
    {
        MealPlan p;
        p.fundCode = fundCode;
        p.schedule = schedule;
        p.serviceId = serviceOf(schedule);
        p.weekday = weekday;
        p.from = from;
        p.to = to;
        return p;
    }

    void receive(SampleClient& c, const QString& fundCode, Schedule schedule, int weekday = 2)
    {
        c.plans.clear();
        c.plans << plan(fundCode, schedule, weekday, std::max(first_, c.start), last_);
        c.serviceId = c.plans.first().serviceId;
    }

    void pledgeTime(SampleClient& c, const QString& period, Money amount)
    {
        c.pledgeMethod = QStringLiteral("T");
        c.pledgePeriod = period;
        c.pledgeAmount = amount;
    }

    void pledgeItems(SampleClient& c, const QList<QPair<QString, int>>& amounts)
    {
        c.pledgeMethod = QStringLiteral("I");
        const QString fundCode = c.plans.isEmpty() ? QString() : c.plans.first().fundCode;
        for (const auto& [unit, amountCents] : amounts)
            roster_.prices << PriceRow{c.personId,          0,    fundCode,
                                       QStringLiteral("P"), unit, Money::fromCents(amountCents)};
    }

    void price(const SampleClient& c, int serviceId, const QString& fundCode, const QString& unit,
               int amountCents)
    {
        roster_.prices << PriceRow{c.personId,          serviceId, fundCode,
                                   QStringLiteral("F"), unit,      Money::fromCents(amountCents)};
    }

    void fundUse(const SampleClient& c, int serviceId, const QString& fundCode,
                 const QString& method, std::optional<Money> rate, const QString& period)
    {
        roster_.fundUses << FundUseRow{c.personId, serviceId, fundCode, method, rate, period};
    }

    void relate(const SampleClient& c, const QString& kind, IndividualRow individual)
    {
        // A guardianship office or trust company is one contact for all the clients it serves.
        const bool office = individual.firstName.isEmpty() && individual.lastName.isEmpty() &&
                            !individual.organization.isEmpty();
        if (office && offices_.contains(individual.organization)) {
            individual.id = offices_.value(individual.organization);
        } else {
            individual.id = nextIndividual_++;
            roster_.individuals << individual;
            if (office)
                offices_.insert(individual.organization, individual.id);
        }
        roster_.relationships << RelationshipRow{c.personId, individual.id, kind};
    }

    // The household's bills go where the partner's go.
    void shareBillTo(const SampleClient& c, const SampleClient& partner)
    {
        QList<RelationshipRow> shared;
        for (auto it = roster_.relationships.crbegin();
             it != roster_.relationships.crend() && it->personId >= partner.personId; ++it) {
            if (it->personId == partner.personId && it->kind == QLatin1String("Bill-To"))
                shared.prepend(RelationshipRow{c.personId, it->individualId, it->kind});
        }
        roster_.relationships << shared;
    }

    // --- the people and offices that clients name
    IndividualRow relative(Random& random, const SampleClient& c)
    {
        IndividualRow i{};
        const bool female = random.chance(55);
        i.firstName = firstName(random, female);
        i.lastName = random.chance(60) ? c.name.last : lastName(random);
        i.address = homeAddress(random);
        if (random.chance(15)) {
            // lives out of the county
            i.address.town = Town{QStringLiteral("Dayton"), QStringLiteral("OH"),
                                  QStringLiteral("45402"), QStringLiteral("937"), 0};
        }
        i.phone1 = phoneNumber(random, i.address.town.areaCode);
        if (random.chance(40))
            i.phone2 = phoneNumber(random, QStringLiteral("614"));
        if (random.chance(55))
            i.email = emailAddress(random, i.firstName, i.lastName);
        return i;
    }

    IndividualRow officeOf(Random& random, const QString& organization)
    {
        IndividualRow i{};
        i.organization = organization;
        i.address.line1 = streetLine(random);
        i.address.line2 = QStringLiteral("Suite %1").arg(random.between(100, 450));
        i.address.town = homeTown();
        i.phone1 = phoneNumber(random, homeTown().areaCode);
        if (random.chance(50))
            i.phone2 = phoneNumber(random, homeTown().areaCode); // the office fax
        return i;
    }

    IndividualRow organizationWithContact(Random& random)
    {
        IndividualRow i = officeOf(random, billingOrganization(random));
        i.firstName = firstName(random, random.chance(60));
        i.lastName = lastName(random);
        i.email = emailAddress(random, i.firstName, i.lastName);
        return i;
    }

    IndividualRow organizationOnly(Random& random, const QString& organization = {})
    {
        IndividualRow i =
            officeOf(random, organization.isEmpty() ? billingOrganization(random) : organization);
        i.email = QStringLiteral("accounts@fiduciary.example.com");
        return i;
    }

    IndividualRow lastNameOnly(Random& random)
    {
        IndividualRow i{};
        i.lastName = lastName(random);
        i.address = homeAddress(random);
        i.phone1 = phoneNumber(random, i.address.town.areaCode);
        return i;
    }

    IndividualRow addressOnly(Random& random)
    {
        IndividualRow i{};
        i.address = homeAddress(random);
        return i;
    }

    IndividualRow caseManager(Random& random)
    {
        IndividualRow i = officeOf(random, QStringLiteral("Riverbend County Area Agency on Aging"));
        i.firstName = firstName(random, random.chance(75));
        i.lastName = lastName(random);
        i.email = emailAddress(random, i.firstName, i.lastName);
        return i;
    }

    IndividualRow physician(Random& random)
    {
        IndividualRow i = officeOf(random, QStringLiteral("Mercy Valley Family Practice"));
        i.firstName = firstName(random, random.chance(50));
        i.lastName = lastName(random);
        return i;
    }

    const SampleDataOptions& options_;
    const QDate first_;
    const QDate last_;
    ClientRoster roster_;
    int personId_ = 50000;
    int clientNumber_ = 1000;
    int nextIndividual_ = 1;
    QHash<QString, int> offices_;
};

} // namespace

bool MealPlan::deliversOn(const QDate& day) const
{
    if (day < from || day > to)
        return false;
    const int weekdayOfDay = day.dayOfWeek();
    switch (schedule) {
    case Schedule::Weekdays:
        return weekdayOfDay <= 5;
    case Schedule::MonWedFri:
        return weekdayOfDay == 1 || weekdayOfDay == 3 || weekdayOfDay == 5;
    case Schedule::TueThu:
        return weekdayOfDay == 2 || weekdayOfDay == 4;
    case Schedule::WeeklyFrozen:
    case Schedule::WeeklyMedical:
        return weekdayOfDay == weekday;
    case Schedule::Fridays:
        return weekdayOfDay == 5;
    }
    return false;
}

ClientRoster planClients(const SampleDataOptions& options)
{
    return Planner(options).run();
}

void writeClients(Database& db, const ClientRoster& roster)
{
    BatchInsert clients(db, host::clients(),
                        {QStringLiteral("Person_ID"),     QStringLiteral("Client_ID"),
                         QStringLiteral("Last_Name"),     QStringLiteral("First_Name"),
                         QStringLiteral("mid_Name"),      QStringLiteral("URN"),
                         QStringLiteral("Address1"),      QStringLiteral("Address2"),
                         QStringLiteral("City"),          QStringLiteral("State"),
                         QStringLiteral("ZIP"),           QStringLiteral("Phone"),
                         QStringLiteral("EMail"),         QStringLiteral("Language"),
                         QStringLiteral("Start_Dte"),     QStringLiteral("Svcs_Used"),
                         QStringLiteral("DEPENDENT"),     QStringLiteral("Pledge_Method"),
                         QStringLiteral("Pledge_Amount"), QStringLiteral("Pledge_Period"),
                         QStringLiteral("User_Def4")});
    for (const SampleClient& c : roster.clients) {
        clients.add({c.personId,
                     c.clientId,
                     c.name.last,
                     c.name.first,
                     c.name.middle,
                     c.urn,
                     c.address.line1,
                     c.address.line2,
                     c.address.town.city,
                     c.address.town.state,
                     c.address.town.zip,
                     c.phone,
                     c.email,
                     c.language,
                     c.start,
                     c.serviceId,
                     c.dependent,
                     c.pledgeMethod,
                     decimalValue(c.pledgeAmount),
                     c.pledgePeriod,
                     c.route});
    }
    clients.finish();

    BatchInsert individuals(
        db, host::individuals(),
        {QStringLiteral("Indiv_ID"), QStringLiteral("Last_Name"), QStringLiteral("First_Name"),
         QStringLiteral("Organization"), QStringLiteral("Address1"), QStringLiteral("Address2"),
         QStringLiteral("City"), QStringLiteral("State"), QStringLiteral("ZIP"),
         QStringLiteral("Phone1"), QStringLiteral("Phone2"), QStringLiteral("Email")});
    for (const IndividualRow& i : roster.individuals) {
        individuals.add({i.id, i.lastName, i.firstName, i.organization, i.address.line1,
                         i.address.line2, i.address.town.city, i.address.town.state,
                         i.address.town.zip, i.phone1, i.phone2, i.email});
    }
    individuals.finish();

    BatchInsert relationships(
        db, host::relationships(),
        {QStringLiteral("Person_ID"), QStringLiteral("Indiv_ID"), QStringLiteral("Relationship")});
    for (const RelationshipRow& r : roster.relationships)
        relationships.add({r.personId, r.individualId, r.kind});
    relationships.finish();

    BatchInsert fundUses(db, host::fundUses(),
                         {QStringLiteral("Person_ID"), QStringLiteral("Service_ID"),
                          QStringLiteral("Fund_CD"), QStringLiteral("Reimbursement_Method"),
                          QStringLiteral("Reimbursement_Rate"),
                          QStringLiteral("Reimbursement_Period")});
    for (const FundUseRow& u : roster.fundUses)
        fundUses.add(
            {u.personId, u.serviceId, u.fundCode, u.method, decimalValue(u.rate), u.period});
    fundUses.finish();

    BatchInsert prices(db, host::pricing(),
                       {QStringLiteral("Person_ID"), QStringLiteral("Service_ID"),
                        QStringLiteral("Fund_CD"), QStringLiteral("Method"), QStringLiteral("Unit"),
                        QStringLiteral("Amount")});
    for (const PriceRow& p : roster.prices)
        prices.add({p.personId, p.serviceId, p.fundCode, p.method, p.unit, decimalValue(p.amount)});
    prices.finish();
}

} // namespace sampledata

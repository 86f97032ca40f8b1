#include "host/sampledatanames.h"

namespace sampledata
{

namespace
{

const QStringList& lastNames()
{
    static const QStringList names = {QStringLiteral("Abernathy"),
                                      QStringLiteral("Alvarez"),
                                      QStringLiteral("Anderson"),
                                      QStringLiteral("Baker"),
                                      QStringLiteral("Barnes"),
                                      QStringLiteral("Beaumont"),
                                      QStringLiteral("Bennett"),
                                      QStringLiteral("Bishop"),
                                      QStringLiteral("Brooks"),
                                      QStringLiteral("Bui"),
                                      QStringLiteral("Caldwell"),
                                      QStringLiteral("Campbell"),
                                      QStringLiteral("Carter"),
                                      QStringLiteral("Castillo"),
                                      QStringLiteral("Chavez"),
                                      QStringLiteral("Coleman"),
                                      QStringLiteral("Collins"),
                                      QStringLiteral("Cooper"),
                                      QStringLiteral("Cruz"),
                                      QStringLiteral("Daniels"),
                                      QStringLiteral("Davis"),
                                      QStringLiteral("Delgado"),
                                      QStringLiteral("Dixon"),
                                      QStringLiteral("Dougherty"),
                                      QStringLiteral("Duncan"),
                                      QStringLiteral("Edwards"),
                                      QStringLiteral("Ellison"),
                                      QStringLiteral("Evans"),
                                      QStringLiteral("Fischer"),
                                      QStringLiteral("Fitzgerald"),
                                      QStringLiteral("Fleming"),
                                      QStringLiteral("Flores"),
                                      QStringLiteral("Foster"),
                                      QStringLiteral("Garcia"),
                                      QStringLiteral("Gardner"),
                                      QStringLiteral("Gibson"),
                                      QStringLiteral("Gonzalez"),
                                      QStringLiteral("Graham"),
                                      QStringLiteral("Greene"),
                                      QStringLiteral("Gutierrez"),
                                      QStringLiteral("Hamilton"),
                                      QStringLiteral("Harper"),
                                      QStringLiteral("Harris"),
                                      QStringLiteral("Hawkins"),
                                      QStringLiteral("Henderson"),
                                      QStringLiteral("Hernandez"),
                                      QStringLiteral("Hoffman"),
                                      QStringLiteral("Holloway"),
                                      QStringLiteral("Howard"),
                                      QStringLiteral("Hughes"),
                                      QStringLiteral("Jackson"),
                                      QStringLiteral("Jenkins"),
                                      QStringLiteral("Johnson"),
                                      QStringLiteral("Kaminski"),
                                      QStringLiteral("Keller"),
                                      QStringLiteral("Kennedy"),
                                      QStringLiteral("Kowalski"),
                                      QStringLiteral("Lambert"),
                                      QStringLiteral("Lawson"),
                                      QStringLiteral("Le"),
                                      QStringLiteral("Lindqvist"),
                                      QStringLiteral("Lopez"),
                                      QStringLiteral("MacDonald"),
                                      QStringLiteral("Marshall"),
                                      QStringLiteral("Martinez"),
                                      QStringLiteral("McAllister"),
                                      QStringLiteral("Mendoza"),
                                      QStringLiteral("Meyer"),
                                      QStringLiteral("Mitchell"),
                                      QStringLiteral("Morales"),
                                      QStringLiteral("Morgan"),
                                      QStringLiteral("Murphy"),
                                      QStringLiteral("Nguyen"),
                                      QStringLiteral("Novak"),
                                      QStringLiteral("O'Brien"),
                                      QStringLiteral("O'Connor"),
                                      QStringLiteral("Olson"),
                                      QStringLiteral("Ortiz"),
                                      QStringLiteral("Palmer"),
                                      QStringLiteral("Patel"),
                                      QStringLiteral("Patterson"),
                                      QStringLiteral("Pearson"),
                                      QStringLiteral("Perez"),
                                      QStringLiteral("Peterson"),
                                      QStringLiteral("Phillips"),
                                      QStringLiteral("Porter"),
                                      QStringLiteral("Pruitt"),
                                      QStringLiteral("Ramirez"),
                                      QStringLiteral("Reed"),
                                      QStringLiteral("Reyes"),
                                      QStringLiteral("Richardson"),
                                      QStringLiteral("Rivera"),
                                      QStringLiteral("Robinson"),
                                      QStringLiteral("Rodriguez"),
                                      QStringLiteral("Rossi"),
                                      QStringLiteral("Russell"),
                                      QStringLiteral("Sanders"),
                                      QStringLiteral("Schmidt"),
                                      QStringLiteral("Schneider"),
                                      QStringLiteral("Scott"),
                                      QStringLiteral("Shapiro"),
                                      QStringLiteral("Simmons"),
                                      QStringLiteral("Sokolov"),
                                      QStringLiteral("Stewart"),
                                      QStringLiteral("Sullivan"),
                                      QStringLiteral("Thompson"),
                                      QStringLiteral("Torres"),
                                      QStringLiteral("Tran"),
                                      QStringLiteral("Turner"),
                                      QStringLiteral("Van Buren"),
                                      QStringLiteral("Vasquez"),
                                      QStringLiteral("Wagner"),
                                      QStringLiteral("Walsh"),
                                      QStringLiteral("Washington"),
                                      QStringLiteral("Watkins"),
                                      QStringLiteral("Weber"),
                                      QStringLiteral("Whitfield"),
                                      QStringLiteral("Williams"),
                                      QStringLiteral("Wojcik"),
                                      QStringLiteral("Yamamoto"),
                                      QStringLiteral("Young"),
                                      QStringLiteral("Zimmerman"),
                                      QStringLiteral("Hollingsworth-Vance")};
    return names;
}

const QStringList& femaleNames()
{
    static const QStringList names = {
        QStringLiteral("Agnes"), QStringLiteral("Alice"), QStringLiteral("Anna"),
        QStringLiteral("Barbara"), QStringLiteral("Beatrice"), QStringLiteral("Betty"),
        QStringLiteral("Carmen"), QStringLiteral("Carol"), QStringLiteral("Clara"),
        QStringLiteral("Doris"), QStringLiteral("Dorothy"), QStringLiteral("Edna"),
        QStringLiteral("Eleanor"), QStringLiteral("Elena"), QStringLiteral("Esther"),
        QStringLiteral("Evelyn"), QStringLiteral("Florence"), QStringLiteral("Frances"),
        QStringLiteral("Gladys"), QStringLiteral("Gloria"), QStringLiteral("Hazel"),
        QStringLiteral("Helen"), QStringLiteral("Irene"), QStringLiteral("Jean"),
        QStringLiteral("Joan"), QStringLiteral("Josefina"), QStringLiteral("June"),
        QStringLiteral("Lan"), QStringLiteral("Lillian"), QStringLiteral("Lois"),
        QStringLiteral("Loretta"), QStringLiteral("Lucille"), QStringLiteral("Margaret"),
        QStringLiteral("Marie"), QStringLiteral("Marjorie"), QStringLiteral("Martha"),
        QStringLiteral("Mildred"), QStringLiteral("Nadia"), QStringLiteral("Norma"),
        QStringLiteral("Pauline"), QStringLiteral("Peggy"), QStringLiteral("Rosa"),
        QStringLiteral("Rose"), QStringLiteral("Ruth"), QStringLiteral("Shirley"),
        QStringLiteral("Sylvia"), QStringLiteral("Thelma"), QStringLiteral("Vera"),
        QStringLiteral("Virginia"), QStringLiteral("Wanda"), QStringLiteral("Yolanda"),
        // double first names, one longer than the fifteen characters a delivery line shows
        QStringLiteral("Maria Guadalupe"), QStringLiteral("Mary Elizabeth Ann")};
    return names;
}

const QStringList& maleNames()
{
    static const QStringList names = {
        QStringLiteral("Albert"),   QStringLiteral("Alfred"),  QStringLiteral("Arthur"),
        QStringLiteral("Bernard"),  QStringLiteral("Carl"),    QStringLiteral("Charles"),
        QStringLiteral("Clarence"), QStringLiteral("Dale"),    QStringLiteral("Donald"),
        QStringLiteral("Earl"),     QStringLiteral("Edward"),  QStringLiteral("Ernest"),
        QStringLiteral("Eugene"),   QStringLiteral("Francis"), QStringLiteral("Frank"),
        QStringLiteral("George"),   QStringLiteral("Gerald"),  QStringLiteral("Harold"),
        QStringLiteral("Henry"),    QStringLiteral("Herman"),  QStringLiteral("Howard"),
        QStringLiteral("Hung"),     QStringLiteral("Jerome"),  QStringLiteral("Jose"),
        QStringLiteral("Joseph"),   QStringLiteral("Kenneth"), QStringLiteral("Lawrence"),
        QStringLiteral("Leonard"),  QStringLiteral("Louis"),   QStringLiteral("Manuel"),
        QStringLiteral("Melvin"),   QStringLiteral("Milton"),  QStringLiteral("Nikolai"),
        QStringLiteral("Norman"),   QStringLiteral("Ralph"),   QStringLiteral("Raymond"),
        QStringLiteral("Richard"),  QStringLiteral("Robert"),  QStringLiteral("Roy"),
        QStringLiteral("Samuel"),   QStringLiteral("Stanley"), QStringLiteral("Theodore"),
        QStringLiteral("Thomas"),   QStringLiteral("Vernon"),  QStringLiteral("Walter"),
        QStringLiteral("Warren"),   QStringLiteral("Wayne"),   QStringLiteral("Wilbur"),
        QStringLiteral("William")};
    return names;
}

const QStringList& streetNames()
{
    static const QStringList names = {
        QStringLiteral("Maple"),        QStringLiteral("Oak"),       QStringLiteral("Elm"),
        QStringLiteral("Walnut"),       QStringLiteral("Chestnut"),  QStringLiteral("Sycamore"),
        QStringLiteral("Hickory"),      QStringLiteral("Willow"),    QStringLiteral("Cedar"),
        QStringLiteral("Locust"),       QStringLiteral("Church"),    QStringLiteral("Mill"),
        QStringLiteral("River"),        QStringLiteral("Spring"),    QStringLiteral("Union"),
        QStringLiteral("Washington"),   QStringLiteral("Jefferson"), QStringLiteral("Lincoln"),
        QStringLiteral("Madison"),      QStringLiteral("Franklin"),  QStringLiteral("Jackson"),
        QStringLiteral("Market"),       QStringLiteral("Water"),     QStringLiteral("Bridge"),
        QStringLiteral("Canal"),        QStringLiteral("Orchard"),   QStringLiteral("Meadow"),
        QStringLiteral("Prospect"),     QStringLiteral("Highland"),  QStringLiteral("Lakeview"),
        QStringLiteral("Sunset"),       QStringLiteral("Park"),      QStringLiteral("School"),
        QStringLiteral("Foundry"),      QStringLiteral("Depot"),     QStringLiteral("Railroad"),
        QStringLiteral("Second"),       QStringLiteral("Third"),     QStringLiteral("Fourth"),
        QStringLiteral("Fifth"),        QStringLiteral("Sixth"),     QStringLiteral("Seventh"),
        QStringLiteral("Cherry"),       QStringLiteral("Dogwood"),   QStringLiteral("Magnolia"),
        QStringLiteral("Poplar"),       QStringLiteral("Birch"),     QStringLiteral("Pine"),
        QStringLiteral("Quarry"),       QStringLiteral("Tanner"),    QStringLiteral("Kingsbury"),
        QStringLiteral("Old Mill Pond")};
    return names;
}

const QStringList& streetTypes()
{
    static const QStringList types = {
        QStringLiteral("Street"), QStringLiteral("Street"), QStringLiteral("Avenue"),
        QStringLiteral("Road"),   QStringLiteral("Drive"),  QStringLiteral("Lane"),
        QStringLiteral("Court"),  QStringLiteral("Place"),  QStringLiteral("Way"),
        QStringLiteral("Circle"), QStringLiteral("Pike")};
    return types;
}

} // namespace

const QList<Town>& towns()
{
    static const QList<Town> all = {{QStringLiteral("Riverbend"), QStringLiteral("OH"),
                                     QStringLiteral("45601"), QStringLiteral("740"), 34},
                                    {QStringLiteral("Millbrook"), QStringLiteral("OH"),
                                     QStringLiteral("45602"), QStringLiteral("740"), 12},
                                    {QStringLiteral("Cedar Hollow"), QStringLiteral("OH"),
                                     QStringLiteral("45610"), QStringLiteral("740"), 8},
                                    {QStringLiteral("Fairhaven"), QStringLiteral("OH"),
                                     QStringLiteral("45612"), QStringLiteral("740"), 8},
                                    {QStringLiteral("Harmony Falls"), QStringLiteral("OH"),
                                     QStringLiteral("45616"), QStringLiteral("740"), 6},
                                    {QStringLiteral("Lakeview"), QStringLiteral("OH"),
                                     QStringLiteral("45618"), QStringLiteral("740"), 6},
                                    {QStringLiteral("North Fork"), QStringLiteral("OH"),
                                     QStringLiteral("45620"), QStringLiteral("740"), 5},
                                    {QStringLiteral("Oak Ridge Township"), QStringLiteral("OH"),
                                     QStringLiteral("45622"), QStringLiteral("740"), 5},
                                    {QStringLiteral("Pleasant Valley"), QStringLiteral("OH"),
                                     QStringLiteral("45624"), QStringLiteral("740"), 5},
                                    {QStringLiteral("Stonebridge"), QStringLiteral("OH"),
                                     QStringLiteral("43148"), QStringLiteral("614"), 4},
                                    {QStringLiteral("Willow Creek"), QStringLiteral("OH"),
                                     QStringLiteral("43150"), QStringLiteral("614"), 4},
                                    {QStringLiteral("Granton"), QStringLiteral("OH"),
                                     QStringLiteral("43155"), QStringLiteral("614"), 3}};
    return all;
}

const Town& homeTown()
{
    return towns().first();
}

QString firstName(Random& random, bool female)
{
    return random.pick(female ? femaleNames() : maleNames());
}

QString lastName(Random& random)
{
    return random.pick(lastNames());
}

PersonName personName(Random& random)
{
    PersonName name;
    name.female = random.chance(62); // most people who receive meals at home are women
    name.first = firstName(random, name.female);
    name.last = lastName(random);
    if (random.chance(45))
        name.middle = QString(QLatin1Char(char('A' + random.below(26))));
    else if (random.chance(8))
        name.middle = firstName(random, name.female);
    return name;
}

QString streetLine(Random& random)
{
    return QStringLiteral("%1 %2 %3")
        .arg(random.between(3, 4890))
        .arg(random.pick(streetNames()), random.pick(streetTypes()));
}

PostalAddress homeAddress(Random& random)
{
    PostalAddress address;
    address.line1 = streetLine(random);
    const int kind = random.below(100);
    if (kind < 14)
        address.line2 = QStringLiteral("Apt %1%2")
                            .arg(random.between(1, 6))
                            .arg(QLatin1Char(char('A' + random.below(8))));
    else if (kind < 18)
        address.line2 = QStringLiteral("Unit %1").arg(random.between(100, 420));
    else if (kind < 20)
        address.line2 =
            QStringLiteral("Riverside Senior Apts, Room %1").arg(random.between(101, 340));
    QList<int> weights;
    for (const Town& t : towns())
        weights << t.weight;
    address.town = towns()[random.weighted(weights)];
    return address;
}

QString phoneNumber(Random& random, const QString& areaCode)
{
    return QStringLiteral("(%1) 555-01%2")
        .arg(areaCode)
        .arg(random.below(100), 2, 10, QLatin1Char('0'));
}

QString emailAddress(Random& random, const QString& first, const QString& last)
{
    static const QStringList domains = {QStringLiteral("example.com"),
                                        QStringLiteral("example.net"),
                                        QStringLiteral("example.org")};
    QString local = first.left(1) + last;
    local.remove(QLatin1Char(' ')).remove(QLatin1Char('\'')).remove(QLatin1Char('-'));
    return QStringLiteral("%1%2@%3")
        .arg(local.toLower())
        .arg(random.between(1, 99))
        .arg(random.pick(domains));
}

QString billingOrganization(Random& random)
{
    static const QStringList organizations = {
        QStringLiteral("Harbor Guardianship Services"),
        QStringLiteral("Valley Senior Care Management"),
        QStringLiteral("First Riverbend Trust Company"),
        QStringLiteral("Good Shepherd Home Health"),
        QStringLiteral("County Probate Court Guardian Office"),
        QStringLiteral("Lakeside Fiduciary Partners LLC"),
        QStringLiteral("Bridgeway Adult Protective Services")};
    return random.pick(organizations);
}

QString homeLanguage(Random& random)
{
    static const QStringList languages = {QStringLiteral("English"),    QStringLiteral("Spanish"),
                                          QStringLiteral("Vietnamese"), QStringLiteral("Russian"),
                                          QStringLiteral("Polish"),     QStringLiteral("Arabic"),
                                          QStringLiteral("Tagalog")};
    static const QList<int> weights = {82, 9, 3, 2, 2, 1, 1};
    return languages[random.weighted(weights)];
}

} // namespace sampledata

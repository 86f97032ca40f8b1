#pragma once
// Names, streets, towns and telephone numbers for sample people. Every name is made up from
// common first and last names; telephone numbers use the 555-01xx block kept for fiction and
// e-mail addresses the example domains, so no sample row can reach a real person.

#include "host/sampledatarandom.h"

#include <QString>
#include <QStringList>

namespace sampledata
{

struct Town {
    QString city;
    QString state;
    QString zip;
    QString areaCode;
    int weight; // how many of the program's clients live there, relatively

    bool operator==(const Town&) const = default;
};

struct PersonName {
    QString first;
    QString middle; // often empty
    QString last;
    bool female = false;
};

struct PostalAddress {
    QString line1;
    QString line2; // apartment or unit, often empty
    Town town;
};

const QList<Town>& towns();
const Town& homeTown(); // where the program and most funders have their offices

PersonName personName(Random& random);
QString firstName(Random& random, bool female);
QString lastName(Random& random);
PostalAddress homeAddress(Random& random);
QString streetLine(Random& random);
QString phoneNumber(Random& random, const QString& areaCode);
QString emailAddress(Random& random, const QString& first, const QString& last);
// Organizations that look after a client's bills: guardians, care managers, trust companies.
QString billingOrganization(Random& random);
// The language a client speaks at home, most often English.
QString homeLanguage(Random& random);

} // namespace sampledata

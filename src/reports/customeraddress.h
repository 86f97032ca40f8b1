#pragma once
// How a customer's name and address print on invoices, statements and their labels: the
// contact line under the name, and the lines below the street closed up when one is empty.

#include <QString>

namespace reports
{

// A funder's name, " %" and its contact (the person to the attention of); anyone else's
// contact alone.
QString contactLine(const QString& customerType, const QString& customerName,
                    const QString& contact);

// The second to fourth lines of an address: the city line (city, ", " state, five blanks and
// the postal code) moves up into the second line when there is no second address line.
struct AddressLines2To4 {
    QString line2;
    QString line3;
    QString line4;
};
AddressLines2To4 addressLines2To4(const QString& addressLine2, const QString& city,
                                  const QString& stateProv, const QString& zipCode,
                                  const QString& country);

} // namespace reports

#include "reports/customeraddress.h"

namespace reports
{

namespace
{
// The size of a printed address line; longer text is cut, as it always was.
constexpr int kAddressLineSize = 35;
const QString kFunder = QStringLiteral("F");
} // namespace

QString contactLine(const QString& customerType, const QString& customerName,
                    const QString& contact)
{
    return customerType == kFunder ? customerName + QStringLiteral(" %") + contact : contact;
}

AddressLines2To4 addressLines2To4(const QString& addressLine2, const QString& city,
                                  const QString& stateProv, const QString& zipCode,
                                  const QString& country)
{
    QString cityLine = city;
    if (!stateProv.isEmpty())
        cityLine += QStringLiteral(", ") + stateProv;
    if (!zipCode.isEmpty())
        cityLine += QStringLiteral("     ") + zipCode;
    AddressLines2To4 lines;
    if (addressLine2.isEmpty())
        lines = {cityLine, country, QString()};
    else
        lines = {addressLine2, cityLine, country};
    lines.line2.truncate(kAddressLineSize);
    lines.line3.truncate(kAddressLineSize);
    lines.line4.truncate(kAddressLineSize);
    return lines;
}

} // namespace reports

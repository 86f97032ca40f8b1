#pragma once
// The display fields that pick lists compute from a row as it is read.

#include <QString>
#include <QStringList>
#include <optional>

// First name, a blank and last name when both are present; otherwise whichever is present.
QString salesmanFullName(const QString& firstName, const QString& lastName);
// The first line, then every further non-empty part after ", ", cut to 100 characters.
QString joinedAddress(const QStringList& parts);
// "Terms: ", the discount ("2.5% 10 ") when there is one, "Net 30", "   Delay 5".
QString vendorTerms(std::optional<double> discountPercent, std::optional<int> discountDays,
                    std::optional<int> netDays, std::optional<int> delayDays);

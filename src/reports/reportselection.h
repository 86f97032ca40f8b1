#pragma once
// The selection the report menu offers the aged trial balance, the statements and the labels:
// an as-of date, an optional currency and customer, and the minimum owing and age a customer
// must reach to be printed.
#include "common/money.h"

#include <QDate>
#include <optional>

namespace reports
{

struct ReportSelection {
    QDate asOf;
    std::optional<int> currencyId; // only customers in this currency
    std::optional<int> customerId; // only this customer
    Money minOwing;                // zero: no minimum
    int minDays = 0;               // zero: no minimum
};

} // namespace reports

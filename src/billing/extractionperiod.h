#pragma once
// The delivery dates a generation run invoices.

#include <QDate>

namespace billing
{

// The first and last delivery dates of a run, both included.
struct DeliveryPeriod {
    QDate start;
    QDate end;
};

} // namespace billing

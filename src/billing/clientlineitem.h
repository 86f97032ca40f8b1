#pragma once
// A line collected for an invoice during a generation run: a meal line's charge or a pledge, for
// the client's own invoice or, when billed to a third party, for the funder's.

#include "billing/linecharge.h"
#include "common/money.h"

#include <QString>

namespace billing
{

struct ClientLineItem {
    qint64 recordNo = 0; // rises with every line of the run: the order lines reach an invoice
    qint64 personId = 0;
    QString clientId;
    QString fundingCode; // the meal line's funding code; blank on a pledge line
    qint64 quantity = 0;
    qint64 arItemId = 0; // the AR item: the meal item, or its pledge item "P..."
    Money unitPrice;
    QString description;
    bool thirdPartyBillable = false; // goes to the funder's invoice

    Money amount() const { return lineCharge(quantity, unitPrice); }
};

} // namespace billing

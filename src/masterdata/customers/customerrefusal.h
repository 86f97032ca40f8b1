#pragma once
// Why a customer was not saved or its currency not changed: the message as the bookkeeper reads
// it and the field it concerns, whose page the screen brings forward and focuses.

#include <QString>
#include <optional>

struct CustomerRefusal {
    QString message;
    QString field; // a Customer field name
};

using CustomerCheck = std::optional<CustomerRefusal>;

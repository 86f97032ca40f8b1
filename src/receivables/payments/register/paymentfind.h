#pragma once
// The find dialog's search: a cheque by customer and number, by number alone, or the first
// cheque of a customer, among the payments the register shows, in its order. What is not found
// is said through Dialogs and the list stays where it was.

#include "receivables/listing/listfind.h"
#include "receivables/payments/register/paymentlist.h"

// The number is the cheque number.
using ChequeFindRequest = ListFindRequest;

// The payment to make current; none when nothing was asked or nothing was found.
std::optional<qint64> findPayment(Database& db, Dialogs& dialogs, const PaymentView& view,
                                  const ChequeFindRequest& request);

#pragma once
// The order the customer reports (the aged trial balance, the statements) list open invoices
// in: by customer name and number without regard to case, then by date and number. It is the
// same on every engine.
#include <QString>

class Dialect;

namespace reports
{

// The ORDER BY clause over ARInv I joined to Customer C, with its leading blank.
QString openInvoiceOrder(const Dialect& dialect);

} // namespace reports

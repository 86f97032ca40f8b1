#pragma once
// The charge of one meal line: who is billed, how, at what unit amount, and the invoice lines
// it makes.
//
// A generation run calls chargeMealLine once per meal line of a client-funding pair, in the
// order of the pair's meal lines, and then:
//   - stores result.lines in its client line items (ThirdPartyBillable "Y" for
//     line.thirdPartyBillable), giving each the AR item of the host item (arItemIdOf);
//   - adds result.total() to the pair's total charge and result.clientPortion() to the client's
//     portion;
//   - runs the pledge step for the meal line (also when nothing was billed);
//   - when result.coversWholePair, passes over the pair's remaining meal lines: a line billed by
//     time already stands for all the client's deliveries under the funding source.
// Nothing is kept from one call to the next, so one pair's outcome never leaks into the next.
//
// The warnings about a time-billed client without a rate or a period go through `dialogs` as
// warnings with OK; the run goes on. Engine failures raise DbError.

#include "billing/chargetypes.h"

class Database;
class Dialogs;

namespace billing
{
// Under "Pledges Only" nothing is looked up and no line is made: the meal line goes straight to
// the pledge step.
MealCharge chargeMealLine(Database& db, Dialogs& dialogs, const MealLine& line,
                          const ClientNames& client, const ChargeChoices& choices);
} // namespace billing

#pragma once
// Why a meal credit was billed to no one, in words a bookkeeper can act on: one function per way
// a meal goes unbilled, each naming the funding source, the item and the price or method that
// was looked at. The charge of a meal line (mealcharge.h) and the run pick the one that applies.

#include "billing/chargetypes.h"
#include "billing/extractionfilter.h"

#include <optional>

namespace billing
{

// The run generated pledges only.
UnbilledCause pledgesOnlyCause();
// The payer choice bills no one under the funding source: "No Billing", or a billed party the
// choice leaves out.
UnbilledCause notBilledCause(const QString& fundingCode, const QString& billedParty,
                             PayerChoice payers);
// Billed by item at 0: no price with an amount, or a price row of 0 that ended the search.
UnbilledCause byItemCause(const MealLine& line, const UnitPrice& price);
// Billed at cost, and the item's cost is 0.
UnbilledCause atCostCause(const MealLine& line);
// Billed by time without a rate, or with a rate but without a period (`periodMissing`, as the
// warnings found it).
UnbilledCause byTimeCause(const MealLine& line, const std::optional<PeriodRate>& rate,
                          bool periodMissing);
// Billed to a third party at `unitPrice` a meal (unknown for time billing), but the
// organization's funder invoicing method (`method`, neither "S" nor "O") writes no funder invoice.
UnbilledCause noFunderInvoiceCause(const QString& fundingCode, const QString& method,
                                   std::optional<Money> unitPrice);
// A credit for an item the host's item list does not have, so no AR item stands for it.
UnbilledCause unknownItemCause(qint64 itemId);
// A credit for an item the run's item filter left out.
UnbilledCause excludedCause(const QString& mealItem, qint64 itemId, const ItemFilter& filter);

// "Private Pay Only", "Private Pay and Third-Party Funders", "Third-Party Funders Only".
QString payerChoiceText(PayerChoice payers);

} // namespace billing

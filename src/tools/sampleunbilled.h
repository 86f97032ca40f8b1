#pragma once
// A month's unbilled meal credits as a run might leave them, for pictures of the generation
// screen's question and of the Unbilled Deliveries report.

#include "billing/unbilledstore.h"

billing::UnbilledRun sampleUnbilledRun();

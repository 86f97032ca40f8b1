#pragma once
// "Reset Balances": the reset screen as the console keeps it, one instance per process
// ("FormResetBalances"), with no access check.

void openResetBalances();

#include "receivables/payments/posting/ui/paymentwindowopen.h"

namespace
{
// Windows live on the user-interface thread only.
int shownPaymentWindows = 0;
} // namespace

bool paymentWindowOpen()
{
    return shownPaymentWindows > 0;
}

OpenPaymentWindow::OpenPaymentWindow()
{
    ++shownPaymentWindows;
}

OpenPaymentWindow::~OpenPaymentWindow()
{
    --shownPaymentWindows;
}

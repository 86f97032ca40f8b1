#pragma once
// Whether a payment window is shown in this program. Payment posting refuses to run meanwhile,
// since the window could still change a payment it takes.

bool paymentWindowOpen();

// Held by a payment window for as long as it is shown (made in its show event, dropped in its
// hide event or with the window): paymentWindowOpen() is true while any is held.
class OpenPaymentWindow
{
public:
    OpenPaymentWindow();
    ~OpenPaymentWindow();
    OpenPaymentWindow(const OpenPaymentWindow&) = delete;
    OpenPaymentWindow& operator=(const OpenPaymentWindow&) = delete;
};

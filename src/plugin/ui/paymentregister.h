#pragma once
// The payment register as the console keeps it: one instance per process ("frmARPayments"),
// lent the payment window and the payment posting dialog (and the customer list and the dialer
// once they exist).

class QWidget;
class TfrmARPayments;

// The register, made if need be but not shown; nullptr before the module has started.
TfrmARPayments* paymentRegister(QWidget* console);
// Post Payments...: the payment posting dialog, run on the register, which re-reads its list
// after.
void postFromPaymentRegister(QWidget* console);
// Edit Payments (and Accept Payments): the register shown with every payment, its filter and
// Outstanding toggle reset.
void openPaymentRegister(QWidget* console);
// Print Payments: the register's filtered list, over what the register shows (made if need be,
// not shown).
void printPaymentList(QWidget* console);

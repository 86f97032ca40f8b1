#pragma once
// The invoice register as the console keeps it: one instance per process ("frmARInvoices"),
// lent the console's user, customer list and posting once those exist.

class QWidget;
class TfrmARInvoices;

// The register, made if need be but not shown; nullptr before the module has started.
TfrmARInvoices* invoiceRegister(QWidget* console);
// Edit Invoices: the register shown with every invoice, its filter reset.
void openInvoiceRegister(QWidget* console);

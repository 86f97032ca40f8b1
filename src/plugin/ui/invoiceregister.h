#pragma once
// The invoice register as the console keeps it: one instance per process ("frmARInvoices"),
// lent the console's user, Post AR Invoices and the customer list.

class QWidget;
class TfrmARInvoices;

// The register, made if need be but not shown; nullptr before the module has started.
TfrmARInvoices* invoiceRegister(QWidget* console);
// Post Invoices...: Post AR Invoices, run on the register, which re-reads its list after.
void postFromInvoiceRegister(QWidget* console);
// Edit Invoices: the register shown with every invoice, its filter reset.
void openInvoiceRegister(QWidget* console);

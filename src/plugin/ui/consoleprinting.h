#pragma once
// The console's printing: the invoice register's print commands, and the reports users design
// themselves ("Report 1", "Report 2") to the screen or the printer.

class QWidget;

// Invoice Print Setup, run on the invoice register (made if need be, not shown).
void editInvoicePrintSetup(QWidget* console);
// Print AR Invoices over every invoice not yet printed, run on the invoice register.
void printUnprintedInvoices(QWidget* console);
// "Report 1" (1) or "Report 2" (2): the destination is asked, then the template in the data
// folder is previewed or printed.
void printUserDefinedReport(QWidget* console, int report);

#pragma once
// The console's printing: the unprinted invoices through Print AR Invoices, and the reports
// users design themselves ("Report 1", "Report 2") to the screen or the printer.

class QWidget;

// Invoice Print Setup: the organization's invoice message, copies, terms, wording and logo.
void editInvoicePrintSetup(QWidget* console);
// Print AR Invoices over every invoice not yet printed.
void printUnprintedInvoices(QWidget* console);
// "Report 1" (1) or "Report 2" (2): the destination is asked, then the template in the data
// folder is previewed or printed.
void printUserDefinedReport(QWidget* console, int report);

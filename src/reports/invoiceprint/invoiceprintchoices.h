#pragma once
// The print dialog's two remembered choices, kept in Hearthtable.ini under
// "FormARInvoicesPrint" as item indexes: what to print besides the invoices, and their order.
// The dialog and the command line read and write them alike.

class ScreenSettings;

enum class PrintOutputChoice { InvoicesOnly = 0, InvoicesAndLabels = 1, InvoicesAndMailMerge = 2 };

struct InvoicePrintChoices {
    PrintOutputChoice output = PrintOutputChoice::InvoicesOnly;
    int sortOrder = 0; // InvoiceSelection::SortOrder
};

// An index missing from the file, or one the lists do not have, reads as the first item.
InvoicePrintChoices readInvoicePrintChoices(const ScreenSettings& settings);
void writeInvoicePrintChoices(ScreenSettings& settings, const InvoicePrintChoices& choices);

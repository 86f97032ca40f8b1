// The second workstation of the invoice posting tests (secondworkstation.h).
#include "receivables/invoices/posting/invoicepostingrun.h"
#include "secondworkstation.h"

int main(int argc, char** argv)
{
    return testdb::runSecondWorkstation(
        argc, argv, "post_invoices", [](Database& db, Dialogs& dialogs, Progress& progress) {
            const InvoicePostingResult result = InvoicePostingRun(db, dialogs, progress).run();
            return testdb::SecondWorkstationPass{result.posted,
                                                 result.outcome == InvoicePostingOutcome::Stopped};
        });
}

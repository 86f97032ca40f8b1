// The second workstation of the payment posting tests (secondworkstation.h).
#include "receivables/payments/posting/paymentpostingrun.h"
#include "secondworkstation.h"

int main(int argc, char** argv)
{
    return testdb::runSecondWorkstation(
        argc, argv, "post_payments", [](Database& db, Dialogs& dialogs, Progress& progress) {
            const PaymentPostingResult result = PaymentPostingRun(db, dialogs, progress).run();
            return testdb::SecondWorkstationPass{result.posted,
                                                 result.outcome == PaymentPostingOutcome::Stopped};
        });
}

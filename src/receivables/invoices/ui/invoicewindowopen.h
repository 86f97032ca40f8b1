#pragma once
// Whether an invoice window is shown in this program. Printing and posting refuse to run
// meanwhile, since the window could still change an invoice they take.

bool invoiceWindowOpen();

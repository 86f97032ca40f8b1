#pragma once
// Customer synchronization: the host's clients and funding sources become AR customers. Known
// customers are refreshed from the host, new ones are added with keys reserved as one block
// per pass, and customers are classified as client ("C") or funder ("F").

#include "sync/syncreport.h"

class Database;
class Dialogs;
class Progress;

// One run, as the console's "Synchronize Clients/Funders" starts it. Progress goes from 0 to 100
// for the new clients and again for the new funders, and is back at 0 at the end. The run ends
// with the completion message, or with the text of the error that stopped it; errors of the
// refresh statements are passed over without a word, and an error while reserving keys is shown
// and the run goes on.
SyncReport synchronizeCustomers(Database& db, Dialogs& dialogs, Progress& progress);

#pragma once
// Item synchronization: every host meal item has an AR item numbered as the host numbers it
// and a pledge item numbered "P" and the host number. Known items take the host's name, price
// and meal kind when their description or price differs; missing ones are added with keys
// reserved as one block per pass.

#include "sync/syncreport.h"

class Database;
class Dialogs;
class Progress;

// One run, as the console's "Synchronize Items" starts it. Progress goes from 0 to 100 for the
// new items and again for the new pledge items, and is back at 0 at the end. A failed update of
// known items and a failed reservation are shown and the run goes on; any other error is shown
// and ends it. A run that gets through ends with the completion message.
SyncReport synchronizeItems(Database& db, Dialogs& dialogs, Progress& progress);

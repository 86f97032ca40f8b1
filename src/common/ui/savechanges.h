#pragma once
// The question a record or document screen asks when it is closed with unsaved changes. A new
// record that was never touched is discarded without asking.

class Dialogs;

enum class CloseDecision { Save, Discard, StayOpen };

CloseDecision decideOnClose(Dialogs& dialogs, bool modified, bool untouchedNewRecord);

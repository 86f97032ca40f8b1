#pragma once
// The AR module's process-wide instances: the main data module and the lookup module are made
// at the first console start and live, connected, until the host ends.

#include "common/ui/messageboxdialogs.h"

#include <QPointer>

class TDataModuleARSystem;
class TdmLookUps;
class TfrmDialer;

struct ArProcess {
    TDataModuleARSystem* dataModule = nullptr;
    TdmLookUps* lookups = nullptr;
    int dataModulesCreated = 0;
    MessageBoxDialogs dialogs;   // for the modules' own messages
    QPointer<TfrmDialer> dialer; // made afresh at every console start
};

ArProcess& arProcess();
// Ends the module's connection and forgets its instances, as when the package is unloaded.
void releaseArProcess();

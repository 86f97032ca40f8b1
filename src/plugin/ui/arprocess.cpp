#include "plugin/ui/arprocess.h"

#include "data/datamodule.h"
#include "data/lookups.h"
#include "dialer/ui/tfrmdialer.h"

ArProcess& arProcess()
{
    static ArProcess process;
    return process;
}

void releaseArProcess()
{
    ArProcess& process = arProcess();
    delete process.dialer;
    delete process.lookups;
    delete process.dataModule;
    process.lookups = nullptr;
    process.dataModule = nullptr;
    process.dataModulesCreated = 0;
}

#include "plugin/ui/resetbalances.h"

#include "close/ui/formresetbalances.h"
#include "data/datamodule.h"
#include "plugin/ui/arprocess.h"
#include "plugin/ui/screenregistry.h"

void openResetBalances()
{
    TDataModuleARSystem* module = arProcess().dataModule;
    if (!module)
        return;
    openOrBringForward(QStringLiteral("FormResetBalances"), [module]() -> QWidget* {
        return new TFormResetBalances(module->database(), module->databaseDirectory());
    });
}

#include "plugin/ui/consoleposting.h"

#include "data/datamodule.h"
#include "plugin/ui/arprocess.h"
#include "receivables/invoices/ui/frmarinvoicespost.h"

void postInvoices(QWidget* console)
{
    TDataModuleARSystem* module = arProcess().dataModule;
    if (!module)
        return;
    TfrmARInvoicesPost dialog(module->database(), console);
    dialog.exec();
}

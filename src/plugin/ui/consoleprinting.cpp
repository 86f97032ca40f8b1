#include "plugin/ui/consoleprinting.h"

#include "common/ui/messageboxdialogs.h"
#include "data/datamodule.h"
#include "data/datasets.h"
#include "plugin/ui/arprocess.h"
#include "receivables/invoices/ui/frmarinvoicesetup.h"
#include "report/ui/desktopprint.h"
#include "report/ui/frmpreview.h"
#include "reports/invoiceprint/ui/frmarinvoicesprint.h"
#include "reports/ui/formarreportdestination.h"
#include "reports/userdefinedreports.h"

#include <memory>

void editInvoicePrintSetup(QWidget* console)
{
    TDataModuleARSystem* module = arProcess().dataModule;
    if (!module)
        return;
    TfrmARInvoiceSetup setup(module->database(), console);
    if (setup.exec() == QDialog::Accepted)
        module->tblCompany()->refresh();
}

void printUnprintedInvoices(QWidget* console)
{
    TDataModuleARSystem* module = arProcess().dataModule;
    if (!module)
        return;
    TfrmARInvoicesPrint dialog(module->database(), module->databaseDirectory(), console);
    dialog.exec();
}

void printUserDefinedReport(QWidget* console, int report)
{
    TDataModuleARSystem* module = arProcess().dataModule;
    if (!module)
        return;
    TFormARReportDestination destination(console);
    if (destination.exec() != QDialog::Accepted)
        return;
    MessageBoxDialogs dialogs(console);
    auto bound = reports::openUserDefinedReport(report, module->databaseDirectory(), dialogs,
                                                module->database());
    if (!bound)
        return;
    // The report is read again for every printed set, so it lives as long as its preview.
    auto shared = std::make_shared<reports::BoundReport>(std::move(*bound));
    const auto produce = [shared](report::PageSink& sink) { shared->print(sink); };
    const QString name = shared->definition().title.isEmpty()
                             ? QStringLiteral("Report %1").arg(report)
                             : shared->definition().title;
    try {
        if (destination.destination() == ReportDestination::Printer) {
            report::printFromDesktop(console, produce, name, dialogs);
            return;
        }
        auto* preview = new TfrmPreview(produce, console);
        preview->setAttribute(Qt::WA_DeleteOnClose);
        preview->setReportName(name);
        preview->show();
    } catch (const std::exception& e) {
        dialogs.inform(Dialogs::Kind::Error, QString::fromUtf8(e.what()));
    }
}

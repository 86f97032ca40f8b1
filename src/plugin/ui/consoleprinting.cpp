#include "plugin/ui/consoleprinting.h"

#include "common/ui/messageboxdialogs.h"
#include "data/datamodule.h"
#include "plugin/ui/arprocess.h"
#include "plugin/ui/invoiceregister.h"
#include "receivables/invoices/ui/frmarinvoices.h"
#include "report/ui/desktopprint.h"
#include "report/ui/frmpreview.h"
#include "reports/ui/formarreportdestination.h"
#include "reports/userdefinedreports.h"

#include <memory>

void editInvoicePrintSetup(QWidget* console)
{
    if (TfrmARInvoices* invoices = invoiceRegister(console)) {
        invoices->printSetup();
        arProcess().dataModule->refreshCompany();
    }
}

void printUnprintedInvoices(QWidget* console)
{
    if (TfrmARInvoices* invoices = invoiceRegister(console))
        invoices->printUnprintedInvoices();
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

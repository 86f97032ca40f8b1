#include "report/ui/printeroutput.h"

#include "report/pagepainter.h"
#include "report/ui/copyplan.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <stdexcept>

namespace report
{

namespace
{

// Lets several runs of a report go into one print job: each run ends with finish(), the job
// only after the last.
class KeepOpen final : public PageSink
{
public:
    explicit KeepOpen(PageSink& target) : target_(target) {}
    void addPage(const Page& page) override { target_.addPage(page); }

private:
    PageSink& target_;
};

QString printerDescription(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return printer.outputFileName();
    return printer.printerName();
}

} // namespace

void prepareReportPrinter(QPrinter& printer, const PageSetup& setup)
{
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(setup.paper, QPageSize::Point),
                                      QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                      QPageLayout::Point));
}

PrinterOutput::PrinterOutput(QPrinter& printer) : printer_(printer) {}

PrinterOutput::~PrinterOutput()
{
    if (painter_ && painter_->isActive())
        painter_->end();
}

void PrinterOutput::addPage(const Page& page)
{
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(&printer_)) {
            painter_.reset();
            throw std::runtime_error(QStringLiteral("The printer %1 could not be started.")
                                         .arg(printerDescription(printer_))
                                         .toStdString());
        }
    } else {
        printer_.newPage();
    }
    paintPage(*painter_, page, printer_.resolution() / 72.0);
    ++pages_;
}

void PrinterOutput::finish()
{
    if (painter_ && painter_->isActive())
        painter_->end();
}

PrintRequest printRequestFrom(const QPrinter& printer)
{
    PrintRequest request;
    request.copies = printer.copyCount();
    request.collate = printer.collateCopies();
    if (printer.printRange() == QPrinter::PageRange) {
        request.firstPage = printer.fromPage();
        request.lastPage = printer.toPage();
    }
    return request;
}

int printReport(QPrinter& printer, const ReportProducer& produce, const PrintRequest& request)
{
    const int requested = qMax(1, request.copies);
    // Ask the driver for every copy and see how many it takes on.
    printer.setCopyCount(requested);
    const int driverCopies = printer.supportsMultipleCopies() ? printer.copyCount() : 1;
    const CopyPlan plan = planCopies(requested, request.collate, driverCopies);
    printer.setCopyCount(plan.driverCopies);
    printer.setCollateCopies(request.collate);

    PrinterOutput output(printer);
    KeepOpen job(output);
    PageRange range(job, request.firstPage, request.lastPage);
    try {
        for (int pass = 0; pass < plan.passes; ++pass)
            produce(range);
    } catch (...) {
        printer.abort();
        throw;
    }
    output.finish();
    return output.pages();
}

} // namespace report

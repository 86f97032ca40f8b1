#pragma once
// Reports on paper: a page sink that paints onto a printer, and the print of a whole report
// with its copies and page range.

#include "report/page.h"
#include "report/pagesetup.h"

#include <functional>
#include <memory>

class QPainter;
class QPrinter;

namespace report
{

// Runs a report into the sink it is given. Printing calls it once per collated set, so a batch
// of thousands of invoices is laid out again rather than held in memory.
using ReportProducer = std::function<void(PageSink&)>;

// Letter, portrait, painted from the paper's corner: the report keeps its own margins.
void prepareReportPrinter(QPrinter& printer, const PageSetup& setup = {});

// Paints each page onto the printer as it comes; the print job ends with finish().
class PrinterOutput final : public PageSink
{
public:
    explicit PrinterOutput(QPrinter& printer);
    ~PrinterOutput() override;
    // Raises std::runtime_error when the printer cannot be started.
    void addPage(const Page& page) override;
    void finish() override;
    int pages() const { return pages_; }

private:
    QPrinter& printer_;
    std::unique_ptr<QPainter> painter_;
    int pages_ = 0;
};

struct PrintRequest {
    int copies = 1; // 0 or less prints one
    bool collate = true;
    int firstPage = 0; // 1-based; 0 from the first page
    int lastPage = 0;  // 0 to the last page
};

// What the print dialog left in the printer: copies, collation and the page range.
PrintRequest printRequestFrom(const QPrinter& printer);

// Prints the report with the copies asked for: collated copies are whole sets one after
// another; uncollated copies are made by the driver when it can make that many, otherwise the
// batch is sent once per copy. Returns the pages sent to the printer. Raises
// std::runtime_error when the printer cannot be started; the job is then abandoned.
int printReport(QPrinter& printer, const ReportProducer& produce, const PrintRequest& request);

} // namespace report

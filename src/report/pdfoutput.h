#pragma once
// Writes pages into a PDF file as they come.

#include "report/page.h"
#include "report/pagesetup.h"

#include <QString>
#include <memory>

namespace report
{

// Pages are painted and compressed on a thread of their own while the report lays out the next
// ones: the PDF writer's work is most of a long report's time. A few pages wait at most, so a
// run of thousands of pages still never holds them all.
class PdfOutput final : public PageSink
{
public:
    // Raises std::runtime_error when the file cannot be made (at the latest on the first page).
    PdfOutput(const QString& fileName, const QString& title, const PageSetup& setup = {});
    ~PdfOutput() override;
    void addPage(const Page& page) override;
    void finish() override;
    int pages() const { return pages_; }

private:
    class Painting;
    QString fileName_;
    std::unique_ptr<Painting> painting_;
    int pages_ = 0;
};

} // namespace report

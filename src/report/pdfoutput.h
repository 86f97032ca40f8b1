#pragma once
// Writes pages into a PDF file as they come.

#include "report/page.h"
#include "report/pagesetup.h"

#include <QString>
#include <memory>

class QPainter;
class QPdfWriter;

namespace report
{

class PdfOutput final : public PageSink
{
public:
    // Raises std::runtime_error when the file cannot be made.
    PdfOutput(const QString& fileName, const QString& title, const PageSetup& setup = {});
    ~PdfOutput() override;
    void addPage(const Page& page) override;
    void finish() override;
    int pages() const { return pages_; }

private:
    QString fileName_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painter_;
    int pages_ = 0;
};

} // namespace report

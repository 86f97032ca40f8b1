// The check made before printing: is there a printer, or a folder for PDF output.
#include "common/printercheck.h"

#include <utility>

namespace
{

std::function<QString()>& printerNameSource()
{
    static std::function<QString()> source;
    return source;
}

std::function<QString()>& pdfOutputFolderSource()
{
    static std::function<QString()> source;
    return source;
}

QString nameFrom(const std::function<QString()>& source)
{
    if (!source)
        return {};
    try {
        return source().trimmed();
    } catch (...) {
        return {};
    }
}

} // namespace

bool PrinterDefined()
{
    return !currentPrinterName().isEmpty() || !configuredPdfOutputFolder().isEmpty();
}

QString currentPrinterName()
{
    return nameFrom(printerNameSource());
}

QString configuredPdfOutputFolder()
{
    return nameFrom(pdfOutputFolderSource());
}

void setPrinterNameSource(std::function<QString()> source)
{
    printerNameSource() = std::move(source);
}

void setPdfOutputFolderSource(std::function<QString()> source)
{
    pdfOutputFolderSource() = std::move(source);
}

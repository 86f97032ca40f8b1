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

bool namesSomething(const std::function<QString()>& source)
{
    if (!source)
        return false;
    try {
        return !source().trimmed().isEmpty();
    } catch (...) {
        return false;
    }
}

} // namespace

bool PrinterDefined()
{
    return namesSomething(printerNameSource()) || namesSomething(pdfOutputFolderSource());
}

void setPrinterNameSource(std::function<QString()> source)
{
    printerNameSource() = std::move(source);
}

void setPdfOutputFolderSource(std::function<QString()> source)
{
    pdfOutputFolderSource() = std::move(source);
}

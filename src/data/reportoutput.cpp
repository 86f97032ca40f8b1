#include "data/reportoutput.h"

#include "data/registry.h"
#include "plugin/printercheck.h"

QString pdfOutputFolder()
{
    return GetRegString(reg::PdfFolder, reg::ValueName);
}

void usePdfFolderSetting()
{
    setPdfOutputFolderSource(&pdfOutputFolder);
}

#include "data/reportoutput.h"

#include "common/printercheck.h"
#include "data/registry.h"

QString pdfOutputFolder()
{
    return GetRegString(reg::PdfFolder, reg::ValueName);
}

void usePdfFolderSetting()
{
    setPdfOutputFolderSource(&pdfOutputFolder);
}

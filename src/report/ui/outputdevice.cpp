#include "report/ui/outputdevice.h"

#include "common/printercheck.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

namespace report
{

namespace
{

// Leaves out what Windows or a network share would refuse in a file name.
QString fileNamePart(const QString& reportName)
{
    static const QString refused = QStringLiteral("\\/:*?\"<>|");
    QString part;
    for (const QChar c : reportName) {
        if (!refused.contains(c) && c.isPrint())
            part += c;
    }
    part = part.simplified();
    return part.isEmpty() ? QStringLiteral("Report") : part;
}

} // namespace

QString desktopPrinterName()
{
    const QString name = QPrinterInfo::defaultPrinterName();
    if (!name.isEmpty())
        return name;
    const QStringList installed = QPrinterInfo::availablePrinterNames();
    return installed.isEmpty() ? QString() : installed.first();
}

void useDesktopPrinter()
{
    setPrinterNameSource(&desktopPrinterName);
}

OutputDevice chooseOutputDevice(const QString& printerName, const QString& pdfFolder,
                                const QString& reportName, const QDateTime& printedAt)
{
    OutputDevice device;
    if (!printerName.trimmed().isEmpty()) {
        device.kind = OutputDevice::Kind::Printer;
        device.printerName = printerName.trimmed();
    } else if (!pdfFolder.trimmed().isEmpty()) {
        device.kind = OutputDevice::Kind::PdfFile;
        device.pdfFile = pdfFileFor(pdfFolder.trimmed(), reportName, printedAt);
    }
    return device;
}

OutputDevice currentOutputDevice(const QString& reportName)
{
    return chooseOutputDevice(currentPrinterName(), configuredPdfOutputFolder(), reportName,
                              QDateTime::currentDateTime());
}

QString pdfFileFor(const QString& folder, const QString& reportName, const QDateTime& printedAt)
{
    const QDir dir(folder);
    const QString stem = fileNamePart(reportName) + QLatin1Char(' ') +
                         printedAt.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
    QString path = dir.filePath(stem + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(stem + QStringLiteral(" (%1).pdf").arg(n));
    return path;
}

void directPrinterTo(QPrinter& printer, const OutputDevice& device)
{
    switch (device.kind) {
    case OutputDevice::Kind::Printer:
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(device.printerName);
        break;
    case OutputDevice::Kind::PdfFile:
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(device.pdfFile);
        break;
    case OutputDevice::Kind::None:
        break;
    }
}

} // namespace report

#include "report/pdfoutput.h"

#include "report/pagepainter.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <stdexcept>

namespace report
{

namespace
{
constexpr int kPdfDpi = 1200;
}

PdfOutput::PdfOutput(const QString& fileName, const QString& title, const PageSetup& setup)
    : fileName_(fileName), writer_(std::make_unique<QPdfWriter>(fileName))
{
    writer_->setResolution(kPdfDpi);
    writer_->setTitle(title);
    writer_->setCreator(QStringLiteral("Tallywick"));
    // Pages are painted from the paper's corner; the margins are the report's own.
    writer_->setPageLayout(QPageLayout(QPageSize(setup.paper, QPageSize::Point),
                                       QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                       QPageLayout::Point));
}

PdfOutput::~PdfOutput()
{
    if (painter_ && painter_->isActive())
        painter_->end();
}

void PdfOutput::addPage(const Page& page)
{
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(writer_.get()))
            throw std::runtime_error(
                QStringLiteral("The file %1 could not be written.").arg(fileName_).toStdString());
    } else {
        writer_->newPage();
    }
    paintPage(*painter_, page, kPdfDpi / 72.0);
    ++pages_;
}

void PdfOutput::finish()
{
    if (painter_) {
        painter_->end();
    } else {
        // A run without pages still leaves a valid file behind: one blank page.
        QPainter blank;
        if (!blank.begin(writer_.get()))
            throw std::runtime_error(
                QStringLiteral("The file %1 could not be written.").arg(fileName_).toStdString());
        blank.end();
    }
    if (!QFileInfo(fileName_).isFile())
        throw std::runtime_error(
            QStringLiteral("The file %1 could not be written.").arg(fileName_).toStdString());
}

} // namespace report

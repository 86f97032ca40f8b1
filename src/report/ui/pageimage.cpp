#include "report/ui/pageimage.h"

#include "report/pagepainter.h"

#include <QPainter>
#include <cmath>

namespace report
{

QImage pageImage(const Page& page, qreal dotsPerInch)
{
    const qreal k = dotsPerInch / 72.0;
    const QSize size(qMax(1, int(std::lround(page.size.width() * k))),
                     qMax(1, int(std::lround(page.size.height() * k))));
    QImage image(size, QImage::Format_RGB32);
    // Fonts are sized in points, so the picture carries the resolution they are drawn at.
    const int dotsPerMeter = int(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, page, k);
    return image;
}

} // namespace report

#pragma once
// Paints a page onto any paint device: the PDF writer, a printer, the preview's picture.

#include "report/page.h"

class QPainter;

namespace report
{

// `dotsPerPoint` is the device's resolution over 72; the painter is left as it was found.
void paintPage(QPainter& painter, const Page& page, qreal dotsPerPoint);

} // namespace report

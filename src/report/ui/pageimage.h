#pragma once
// A page as the preview shows it: white paper at the screen's resolution times the zoom.

#include "report/page.h"

#include <QImage>

namespace report
{

// `dotsPerInch` is the resolution of the picture (the screen's, zoomed, and times the
// device pixel ratio on a high-density screen, which the caller sets on the result).
QImage pageImage(const Page& page, qreal dotsPerInch);

} // namespace report

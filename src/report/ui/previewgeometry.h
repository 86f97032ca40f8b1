#pragma once
// Where the report preview opens: 827 x 630 pixels, centred, on a screen taller than 600
// pixels; on a smaller screen at the top left, as high as the work area and as wide as the
// screen.

#include <QRect>

namespace report
{

// `screen` is the whole screen, `available` its work area (without task bars).
QRect previewGeometry(const QRect& screen, const QRect& available);

} // namespace report

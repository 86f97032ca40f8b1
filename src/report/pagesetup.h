#pragma once
// Paper and margins of a report, in points. Every report of the module prints on letter paper,
// portrait, with margins of 6.35 mm (a quarter inch) on all sides.

#include <QMarginsF>
#include <QRectF>
#include <QSizeF>

namespace report
{

inline constexpr qreal kPointsPerInch = 72.0;
inline constexpr qreal kPointsPerMm = kPointsPerInch / 25.4;

struct PageSetup {
    QSizeF paper{8.5 * kPointsPerInch, 11 * kPointsPerInch};
    QMarginsF margins{6.35 * kPointsPerMm, 6.35 * kPointsPerMm, 6.35 * kPointsPerMm,
                      6.35 * kPointsPerMm};

    // The printable area inside the margins.
    QRectF body() const { return QRectF(QPointF(0, 0), paper).marginsRemoved(margins); }
};

} // namespace report

#include "report/ui/previewgeometry.h"

namespace report
{

namespace
{
constexpr QSize kPreviewSize(827, 630);
constexpr int kSmallScreenHeight = 600;
} // namespace

QRect previewGeometry(const QRect& screen, const QRect& available)
{
    if (screen.height() > kSmallScreenHeight) {
        QRect rect(QPoint(0, 0), kPreviewSize);
        rect.moveCenter(available.center());
        // A work area narrower than the window keeps the window's left edge on the screen.
        if (rect.left() < available.left())
            rect.moveLeft(available.left());
        if (rect.top() < available.top())
            rect.moveTop(available.top());
        return rect;
    }
    return QRect(available.topLeft(), QSize(screen.width(), available.height()));
}

} // namespace report

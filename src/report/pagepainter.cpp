#include "report/pagepainter.h"

#include "report/textmeasure.h"

#include <QPainter>
#include <QPen>

namespace report
{

namespace
{
QRectF scaled(const QRectF& r, qreal k)
{
    return QRectF(r.x() * k, r.y() * k, r.width() * k, r.height() * k);
}
} // namespace

void paintPage(QPainter& painter, const Page& page, qreal k)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Most texts of a page share a font and the text pen: both are set only when they change,
    // as making a font and looking up its face for each of thousands of texts is slow.
    const PrintFont* fontSet = nullptr;
    bool textPenSet = false;
    for (const PageItem& item : page.items) {
        switch (item.kind) {
        case PageItem::Kind::Text: {
            if (!fontSet || !(*fontSet == item.font)) {
                painter.setFont(qtFont(item.font));
                fontSet = &item.font;
            }
            if (!textPenSet) {
                painter.setPen(Qt::black);
                textPenSet = true;
            }
            int flags = int(item.alignment);
            flags |= item.wordWrap ? int(Qt::TextWordWrap) : int(Qt::TextSingleLine);
            painter.drawText(scaled(item.rect, k), flags, item.text);
            break;
        }
        case PageItem::Kind::Line:
            painter.setPen(QPen(Qt::black, item.lineWidth * k));
            textPenSet = false;
            painter.drawLine(QLineF(item.line().p1() * k, item.line().p2() * k));
            break;
        case PageItem::Kind::Box:
            painter.setPen(QPen(Qt::black, item.lineWidth * k));
            textPenSet = false;
            painter.setBrush(item.shaded ? QBrush(QColor(230, 230, 230)) : QBrush(Qt::NoBrush));
            painter.drawRect(scaled(item.rect, k));
            break;
        case PageItem::Kind::Image:
            painter.drawImage(scaled(item.rect, k), item.image);
            break;
        }
    }
    painter.restore();
}

} // namespace report

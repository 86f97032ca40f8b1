#include "report/band.h"

#include "report/reportcontext.h"

namespace report
{

Element label(const QRectF& rect, const QString& text)
{
    Element e;
    e.rect = rect;
    e.text = [text](const ReportContext&) { return text; };
    return e;
}

Element computed(const QRectF& rect, TextFunction text)
{
    Element e;
    e.rect = rect;
    e.text = std::move(text);
    return e;
}

Element field(const QRectF& rect, const QString& name)
{
    return computed(rect, [name](const ReportContext& c) { return c.text(name); });
}

Element rule(qreal x1, qreal x2, qreal y, qreal width)
{
    Element e;
    e.kind = Element::Kind::Line;
    e.rect = QRectF(x1, y, x2 - x1, 0);
    e.lineWidth = width;
    return e;
}

Element box(const QRectF& rect, qreal width, bool shaded)
{
    Element e;
    e.kind = Element::Kind::Box;
    e.rect = rect;
    e.lineWidth = width;
    e.shaded = shaded;
    return e;
}

Element picture(const QRectF& rect, const QImage& image)
{
    Element e;
    e.kind = Element::Kind::Image;
    e.rect = rect;
    e.image = image;
    return e;
}

} // namespace report

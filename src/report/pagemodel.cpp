#include "report/pagemodel.h"

#include <QTextStream>

namespace report
{

namespace
{
QString number(qreal v)
{
    return QString::number(v, 'f', 1);
}

QString quoted(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('"'), QLatin1String("\\\""));
    text.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString alignmentName(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignRight)
        return QStringLiteral("right");
    if (alignment & Qt::AlignHCenter)
        return QStringLiteral("centre");
    return QStringLiteral("left");
}

QString style(const PrintFont& font)
{
    QString s;
    if (font.bold)
        s += QLatin1Char('b');
    if (font.italic)
        s += QLatin1Char('i');
    return s.isEmpty() ? QStringLiteral("-") : s;
}
} // namespace

QString pageModelText(const Page& page)
{
    QString out;
    QTextStream s(&out);
    s << "page " << page.number << ' ' << page.size.width() << 'x' << page.size.height() << '\n';
    for (const PageItem& item : page.items) {
        const QRectF& r = item.rect;
        switch (item.kind) {
        case PageItem::Kind::Text:
            s << "text " << number(r.x()) << ' ' << number(r.y()) << ' ' << number(r.width()) << 'x'
              << number(r.height()) << ' ' << quoted(item.font.family) << ' ' << item.font.pointSize
              << ' ' << style(item.font) << ' ' << alignmentName(item.alignment)
              << (item.wordWrap ? " wrap " : " ") << quoted(item.text) << '\n';
            break;
        case PageItem::Kind::Line:
            s << "line " << number(r.left()) << ' ' << number(r.top()) << ' ' << number(r.right())
              << ' ' << number(r.bottom()) << ' ' << item.lineWidth << '\n';
            break;
        case PageItem::Kind::Box:
            s << "box " << number(r.x()) << ' ' << number(r.y()) << ' ' << number(r.width()) << 'x'
              << number(r.height()) << ' ' << item.lineWidth << (item.shaded ? " shaded" : "")
              << '\n';
            break;
        case PageItem::Kind::Image:
            s << "image " << number(r.x()) << ' ' << number(r.y()) << ' ' << number(r.width())
              << 'x' << number(r.height()) << ' ' << item.image.width() << 'x'
              << item.image.height() << '\n';
            break;
        }
    }
    return out;
}

} // namespace report

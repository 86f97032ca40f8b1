#include "reports/registerlists/listlayout.h"

#include "report/reportcontext.h"
#include "reports/printhelpers.h"

#include <algorithm>

namespace reports
{

namespace
{

constexpr qreal kLineHeight = 10;
constexpr qreal kBodySize = 8;
constexpr qreal kGap = 4;

struct Placed {
    const ListColumn* column;
    qreal x;
    qreal width;
};

std::vector<Placed> placeColumns(const std::vector<ListColumn>& columns, qreal pageWidth)
{
    std::vector<Placed> placed;
    qreal x = 0;
    for (const ListColumn& c : columns) {
        const qreal width = c.width > 0 ? c.width : std::max<qreal>(pageWidth - x, 0);
        placed.push_back({&c, x, width});
        x += width + kGap;
    }
    return placed;
}

report::Element& inBody(report::Element& element)
{
    element.font.pointSize = kBodySize;
    return element;
}

} // namespace

QString registerField(int column)
{
    return QStringLiteral("Column%1").arg(column);
}

report::ReportDefinition listReport(const QString& title, const std::vector<ListColumn>& columns,
                                    const QString& totalsCaption)
{
    report::ReportDefinition d;
    d.title = title;
    const qreal width = d.page.body().width();
    const std::vector<Placed> placed = placeColumns(columns, width);

    d.title_band.height = 26;
    addTitle(d.title_band, width);

    d.columnHeader.height = 14;
    d.detail.height = kLineHeight;
    bool anySum = false;
    for (const Placed& p : placed) {
        report::Element& caption =
            inBody(d.columnHeader
                       .add(report::label(QRectF(p.x, 0, p.width, kLineHeight), p.column->caption))
                       .bold());
        report::Element& value = inBody(
            d.detail.add(report::field(QRectF(p.x, 0, p.width, kLineHeight), p.column->field)));
        if (p.column->right) {
            caption.right();
            value.right();
        }
        if (p.column->wrap)
            value.wrap();
        anySum = anySum || !p.column->sumOf.isEmpty();
    }
    d.columnHeader.add(report::rule(0, width, 12));

    if (anySum) {
        d.summary.height = 20;
        qreal firstSum = width;
        for (const Placed& p : placed) {
            if (p.column->sumOf.isEmpty())
                continue;
            firstSum = std::min(firstSum, p.x);
            const QString total = p.column->sumOf;
            d.summary.add(report::rule(p.x, p.x + p.width, 2, 1));
            inBody(d.summary.add(sumField(QRectF(p.x, 5, p.width, kLineHeight), total)).bold());
            d.totals.push_back(runningTotal(total, total));
        }
        inBody(
            d.summary.add(report::label(QRectF(0, 5, firstSum - kGap, kLineHeight), totalsCaption))
                .right()
                .bold());
    }

    addPageFoot(d.pageFooter, width, kLineHeight);
    for (report::Element& element : d.pageFooter.elements)
        inBody(element);
    return d;
}

} // namespace reports

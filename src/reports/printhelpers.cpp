#include "reports/printhelpers.h"

#include "common/formats.h"
#include "report/reportcontext.h"

namespace reports
{

using report::ReportContext;

QString moneyText(Money value)
{
    return formatFloat(kMoneyListFormat, value);
}

report::Element moneyField(const QRectF& place, const QString& field)
{
    return report::computed(place,
                            [field](const ReportContext& c) {
                                return c.value(field).isNull() ? QString()
                                                               : moneyText(c.money(field));
                            })
        .right();
}

report::Element dateField(const QRectF& place, const QString& field)
{
    return report::computed(place, [field](const ReportContext& c) {
        return formatDate(kListDateFormat, c.date(field));
    });
}

report::Element sumField(const QRectF& place, const QString& total)
{
    return report::computed(place,
                            [total](const ReportContext& c) { return moneyText(c.sum(total)); })
        .right();
}

report::RunningTotal runningTotal(const QString& name, const QString& field, int resetAfterGroup)
{
    return {name,
            [field](const ReportContext& c) -> std::optional<Money> {
                if (c.value(field).isNull())
                    return std::nullopt;
                return c.money(field);
            },
            resetAfterGroup};
}

report::Element& addTitle(report::Band& band, qreal width)
{
    return band
        .add(report::computed(QRectF(0, 0, width, 18),
                              [](const ReportContext& c) { return c.title(); }))
        .centre()
        .size(14)
        .bold();
}

void addParameterLine(report::Band& band, const QString& parameter, qreal y, qreal width,
                      qreal lineHeight)
{
    band.add(report::computed(
                 QRectF(0, y, width, lineHeight),
                 [parameter](const ReportContext& c) { return c.parameter(parameter); }))
        .centre();
}

void addPageFoot(report::Band& band, qreal width, qreal lineHeight)
{
    band.height = 16;
    band.add(report::computed(QRectF(0, 4, 300, lineHeight), [](const ReportContext& c) {
        return QStringLiteral("Printed at ") + shortDate(c.printedAt().date()) + QLatin1Char(' ') +
               c.printedAt().time().toString(QStringLiteral("h:mm AP"));
    }));
    band.add(report::computed(QRectF(width - 100, 4, 100, lineHeight),
                              [](const ReportContext& c) {
                                  return QStringLiteral("Page ") + QString::number(c.pageNumber());
                              }))
        .right();
}

int runReport(const report::ReportDefinition& definition, report::ListRowSource& rows,
              report::PageSink& sink, report::RunOptions options)
{
    return report::ReportRunner(definition, std::move(options)).run(rows, sink);
}

} // namespace reports

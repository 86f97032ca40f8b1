#include "samplereport.h"

#include "common/formats.h"
#include "report/reportdefinition.h"
#include "report/reportrunner.h"
#include "report/rowsource.h"

#include <array>

namespace
{

const QStringList kFields{QStringLiteral("CustomerNo"), QStringLiteral("CustomerName"),
                          QStringLiteral("InvoiceNo"),  QStringLiteral("InvoiceDate"),
                          QStringLiteral("Amount"),     QStringLiteral("Owing")};

// Column positions across the band, which is as wide as the body (576 points).
struct Column {
    QString caption;
    QString field;
    qreal x;
    qreal width;
    bool right;
};

const std::vector<Column>& columns()
{
    static const std::vector<Column> list{
        {QStringLiteral("ID"), QStringLiteral("CustomerNo"), 0, 50, false},
        {QStringLiteral("Name"), QStringLiteral("CustomerName"), 54, 190, false},
        {QStringLiteral("Inv No."), QStringLiteral("InvoiceNo"), 248, 60, true},
        {QStringLiteral("Date"), QStringLiteral("InvoiceDate"), 322, 70, false},
        {QStringLiteral("Amount"), QStringLiteral("Amount"), 396, 85, true},
        {QStringLiteral("Owing"), QStringLiteral("Owing"), 491, 85, true},
    };
    return list;
}

QString money(Money value)
{
    return formatFloat(kMoneyListFormat, value);
}

// A month of meal invoices: a client or funder per row, more rows than one page holds.
std::vector<report::Row> invoiceRows()
{
    const std::array names{
        QStringLiteral("Alvarez, Rosa"),      QStringLiteral("Brennan, Thomas"),
        QStringLiteral("Chen, Margaret"),     QStringLiteral("County Aging Services"),
        QStringLiteral("Dubois, Jeanne"),     QStringLiteral("Eastside Church Fund"),
        QStringLiteral("Fitzgerald, Eileen"), QStringLiteral("Garcia, Luis"),
        QStringLiteral("Hoffman, Walter"),    QStringLiteral("Ivanova, Nadia"),
        QStringLiteral("Jackson, Harold"),    QStringLiteral("Kowalski, Stanley"),
        QStringLiteral("Lindqvist, Ingrid"),  QStringLiteral("Murphy, Kathleen"),
        QStringLiteral("Nguyen, Minh"),       QStringLiteral("Okafor, Daniel"),
        QStringLiteral("Patel, Harish"),      QStringLiteral("Quinn, Bernadette"),
        QStringLiteral("Rossi, Angela"),      QStringLiteral("Schmidt, Ernst"),
        QStringLiteral("Thompson, Dorothy"),  QStringLiteral("United Way Meals Grant"),
        QStringLiteral("Vasquez, Carmen"),    QStringLiteral("Walsh, Patrick"),
        QStringLiteral("Yamamoto, Kenji"),    QStringLiteral("Zielinski, Helen"),
    };
    std::vector<report::Row> rows;
    int invoiceNo = 10231;
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < int(names.size()); ++i) {
            const bool funder = names[i].contains(QLatin1String("Fund")) ||
                                names[i].contains(QLatin1String("Services")) ||
                                names[i].contains(QLatin1String("Grant"));
            const Money amount = Money::fromCents(funder ? 184000 + 1250 * i : 6400 + 735 * i);
            const Money owing = (i + round) % 3 == 0 ? Money() : amount;
            report::Row row(kFields);
            row.set(QStringLiteral("CustomerNo"), QString::number((funder ? 2001 : 1001) + i));
            row.set(QStringLiteral("CustomerName"), names[i]);
            row.set(QStringLiteral("InvoiceNo"), invoiceNo++);
            row.set(QStringLiteral("InvoiceDate"),
                    round == 0 ? QStringLiteral("11/02/2026") : QStringLiteral("12/01/2026"));
            row.set(QStringLiteral("Amount"), amount.raw());
            row.set(QStringLiteral("Owing"), owing.raw());
            rows.push_back(row);
        }
    }
    return rows;
}

report::ReportDefinition invoiceList()
{
    using namespace report;
    ReportDefinition d;
    d.title = QStringLiteral("AR Invoices");
    d.needsPageCount = true;

    d.pageHeader.height = 26;
    d.pageHeader.add(label(QRectF(0, 0, 400, 22), QStringLiteral("AR Invoices"))).size(16).bold();
    d.pageHeader
        .add(computed(QRectF(376, 6, 200, 12),
                      [](const ReportContext& c) {
                          return c.printedAt().toString(QStringLiteral("MMMM d, yyyy h:mm AP"));
                      }))
        .right();

    d.columnHeader.height = 22;
    for (const Column& column : columns()) {
        Element& e =
            d.columnHeader.add(label(QRectF(column.x, 4, column.width, 12), column.caption)).bold();
        if (column.right)
            e.right();
    }
    d.columnHeader.add(rule(0, 576, 19, 0.75));

    d.detail.height = 15;
    for (const Column& column : columns()) {
        const bool isMoney =
            column.field == QLatin1String("Amount") || column.field == QLatin1String("Owing");
        Element& e =
            d.detail.add(isMoney ? computed(QRectF(column.x, 2, column.width, 12),
                                            [name = column.field](const ReportContext& c) {
                                                return money(c.money(name));
                                            })
                                 : field(QRectF(column.x, 2, column.width, 12), column.field));
        if (column.right)
            e.right();
    }

    for (const QString& name : {QStringLiteral("Amount"), QStringLiteral("Owing")})
        d.totals.push_back(
            {name, [name](const ReportContext& c) { return std::optional<Money>(c.money(name)); }});
    d.summary.height = 26;
    d.summary.add(rule(396, 576, 4));
    d.summary.add(label(QRectF(248, 9, 144, 12), QStringLiteral("Report Totals:"))).bold();
    d.summary
        .add(
            computed(QRectF(396, 9, 85, 12),
                     [](const ReportContext& c) { return money(c.sum(QStringLiteral("Amount"))); }))
        .bold()
        .right();
    d.summary
        .add(computed(QRectF(491, 9, 85, 12),
                      [](const ReportContext& c) { return money(c.sum(QStringLiteral("Owing"))); }))
        .bold()
        .right();

    d.pageFooter.height = 22;
    d.pageFooter.add(rule(0, 576, 4));
    d.pageFooter
        .add(computed(
            QRectF(0, 9, 576, 12),
            [](const ReportContext& c) {
                return QStringLiteral("Page %1 of %2").arg(c.pageNumber()).arg(c.pageCount());
            }))
        .centre();
    return d;
}

} // namespace

std::vector<report::Page> sampleReportPages()
{
    report::ListRowSource rows(invoiceRows());
    const report::ReportDefinition definition = invoiceList();
    report::RunOptions options;
    options.printedAt = QDateTime(QDate(2026, 12, 6), QTime(18, 42, 7));
    report::PageList pages;
    report::ReportRunner(definition, options).run(rows, pages);
    return std::move(pages.pages);
}

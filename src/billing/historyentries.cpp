#include "billing/historyentries.h"

#include "common/formats.h"
#include "data/hosttables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"

#include <QDateTime>
#include <QSet>
#include <algorithm>

namespace billing
{

namespace
{

QString withAmount(const QString& text, Money amount, const FormatSettings& format)
{
    return text + formatCurrency(amount, format) + QLatin1Char(' ');
}

// Text longer than its History field is cut as on any other write.
QVariant fit(const char* field, const QString& text)
{
    static const TableDef history = host::history();
    return records::fitToField(*history.field(QLatin1String(field)), text);
}

} // namespace

QString periodRangeText(const DeliveryPeriod& period, const FormatSettings& format)
{
    return formatDate(QStringLiteral("m/d - "), period.start, format) +
           shortDate(period.end, format);
}

QString clientInvoiceEvent(const DeliveryPeriod& period, Money amount, const FormatSettings& format)
{
    return withAmount(QStringLiteral("AR invoice generated, ") + periodRangeText(period, format) +
                          "- ",
                      amount, format);
}

QString funderInvoiceEvent(const DeliveryPeriod& period, const QString& fundingCode, Money amount,
                           const FormatSettings& format)
{
    return withAmount(QStringLiteral("3rd Party (") + fundingCode + QStringLiteral(") billed, ") +
                          periodRangeText(period, format) + "- ",
                      amount, format);
}

// One statement for many entries: a round trip per entry would dominate a run on a server. The
// rows to add are a list of SELECTs joined by UNION ALL, each kept only when its client has no
// such entry from today or yesterday.
int addHistoryEntries(Database& db, const QList<HistoryEntry>& entries, const QString& userName)
{
    constexpr qsizetype kEntriesPerStatement = 500;
    QList<HistoryEntry> unique;
    QSet<QPair<qint64, QString>> seen;
    for (const HistoryEntry& entry : entries) {
        const QString event = fit("Event", entry.event).toString();
        if (!seen.contains({entry.client.personId, event})) {
            seen.insert({entry.client.personId, event});
            unique << entry;
        }
    }
    int added = 0;
    const QVariant user = fit("User", userName);
    for (qsizetype first = 0; first < unique.size(); first += kEntriesPerStatement) {
        const qsizetype count = std::min(kEntriesPerStatement, unique.size() - first);
        QStringList rows;
        for (qsizetype i = 0; i < count; ++i)
            rows << QStringLiteral("SELECT CAST(? AS BIGINT) AS Person_ID, ? AS Client_ID, "
                                   "? AS UserName, ? AS Event");
        Statement insert = db.prepare(
            QStringLiteral("INSERT INTO History (Person_ID, Client_ID, Tran_Date, %1, Event) "
                           "SELECT e.Person_ID, e.Client_ID, %2, e.UserName, e.Event FROM (%3) e "
                           "WHERE NOT EXISTS (SELECT Person_ID FROM History WHERE "
                           "(History.Person_ID = e.Person_ID) AND (History.Tran_Date >= %4) AND "
                           "(History.Event = e.Event))")
                .arg(Dialect::quotedUser(), db.dialect().currentTimestamp(),
                     rows.join(QStringLiteral(" UNION ALL ")),
                     db.dialect().currentDateMinusDays(1)));
        for (qsizetype i = 0; i < count; ++i) {
            const HistoryEntry& entry = unique[first + i];
            const int position = int(i) * 4;
            insert.bind(position, entry.client.personId);
            insert.bind(position + 1, fit("Client_ID", entry.client.clientId));
            insert.bind(position + 2, user);
            insert.bind(position + 3, fit("Event", entry.event));
        }
        insert.exec();
        added += insert.rowsAffected();
    }
    return added;
}

void addRunRecord(Database& db, const QString& event, const QString& userName)
{
    Statement insert = db.prepare(
        QStringLiteral("INSERT INTO History (Tran_Date, Event, %1) VALUES (:Tran_Date, :Event, "
                       ":User)")
            .arg(Dialect::quotedUser()));
    insert.bind(QStringLiteral("Tran_Date"), QDateTime::currentDateTime())
        .bind(QStringLiteral("Event"), fit("Event", event))
        .bind(QStringLiteral("User"), fit("User", userName))
        .exec();
}

} // namespace billing

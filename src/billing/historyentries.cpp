#include "billing/historyentries.h"

#include "billing/extractiontables.h"
#include "common/formats.h"
#include "data/hosttables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/unitbatch.h"

#include <QDateTime>

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

void RunHistory::load()
{
    {
        // As text, the database's own wall-clock time, which it reads back unchanged into the
        // timestamp field; a time value would pass through this workstation's time zone.
        Statement now = db_.query(
            QStringLiteral("SELECT CAST(%1 AS TEXT)").arg(db_.dialect().currentTimestamp()));
        now.exec();
        if (now.next())
            now_ = now.value(0);
    }
    Statement present =
        db_.query(QStringLiteral("SELECT Person_ID, Event FROM History WHERE (Tran_Date >= %1) AND "
                                 "Person_ID IN (SELECT Person_ID FROM %2)")
                      .arg(db_.dialect().currentDateMinusDays(1), kMemDeliveries));
    present.exec();
    while (present.next())
        present_.insert({present.integer(0), present.text(1)});
    loaded_ = true;
}

void RunHistory::gather(UnitBatch& batch, const QList<HistoryEntry>& entries)
{
    static const TableDef history = host::history();
    static const QStringList fields{QStringLiteral("Person_ID"), QStringLiteral("Client_ID"),
                                    QStringLiteral("Tran_Date"), QStringLiteral("User"),
                                    QStringLiteral("Event")};
    if (!loaded_)
        load();
    for (const HistoryEntry& entry : entries) {
        const QString event = fit("Event", entry.event).toString();
        if (present_.contains({entry.client.personId, event}))
            continue;
        present_.insert({entry.client.personId, event});
        batch.add(history, fields,
                  {entry.client.personId, entry.client.clientId, now_, userName_, event});
    }
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

#include "billing/historyentries.h"

#include "common/formats.h"
#include "data/hosttables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"

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

bool addHistoryEntry(Database& db, const HistoryClient& client, const QString& event,
                     const QString& userName)
{
    // The check for an entry of today or yesterday and the insert in one statement: one round
    // trip to a server instead of two.
    Statement insert = db.prepare(
        QStringLiteral("INSERT INTO History (Person_ID, Client_ID, Tran_Date, %1, Event) "
                       "SELECT :Person_ID, :Client_ID, %2, :User, :Event WHERE NOT EXISTS "
                       "(SELECT Person_ID FROM History WHERE (Person_ID = :Person_ID) AND "
                       "(Tran_Date >= %3) AND (Event = :Event))")
            .arg(Dialect::quotedUser(), db.dialect().currentTimestamp(),
                 db.dialect().currentDateMinusDays(1)));
    insert.bind(QStringLiteral("Person_ID"), client.personId)
        .bind(QStringLiteral("Client_ID"), fit("Client_ID", client.clientId))
        .bind(QStringLiteral("User"), fit("User", userName))
        .bind(QStringLiteral("Event"), fit("Event", event))
        .exec();
    return insert.rowsAffected() > 0;
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

#include "receivables/invoices/register/registerdelete.h"

#include "common/dialogs.h"
#include "common/formats.h"
#include "data/hosttables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/transaction.h"
#include "receivables/invoices/register/registermessages.h"
#include "receivables/listing/unposteddelete.h"

#include <QDateTime>

namespace
{

bool agreed(Dialogs& dialogs, const QString& question)
{
    return dialogs.ask(Dialogs::Kind::Confirmation, question, Dialogs::Yes | Dialogs::No) ==
           Dialogs::Yes;
}

// Text longer than its History field is cut as on any other write.
QVariant fitHistory(const char* field, const QString& text)
{
    static const TableDef history = host::history();
    return records::fitToField(*history.field(QLatin1String(field)), text);
}

} // namespace

DeleteOutcome deleteSelectedInvoice(Database& db, Dialogs& dialogs, qint64 invoiceId)
{
    return deleteUnposted(db, dialogs,
                          {QStringLiteral("ARInv"), QStringLiteral("ARInvoiceID"),
                           QStringLiteral("InvoiceNo"), QStringLiteral("ARInvDet")},
                          invoiceId,
                          {registermsg::kPostedCantBeDeleted, registermsg::confirmDeleteInvoice,
                           registermsg::postedMeanwhile});
}

DateDeletion deleteInvoicesOfDate(Database& db, Dialogs& dialogs, const QDate& date,
                                  const QString& userName, const FormatSettings& settings)
{
    const QString dateText = shortDate(date, settings);
    int candidates = 0;
    {
        Statement count = db.prepare(QStringLiteral(
            "SELECT COUNT(*) FROM ARInv WHERE InvoiceDate = :InvoiceDate AND NOT (Posted = true)"));
        count.bind(QStringLiteral(":InvoiceDate"), date).exec();
        if (count.next())
            candidates = int(count.integer(0));
    }
    if (candidates == 0) {
        dialogs.inform(Dialogs::Kind::Information, registermsg::noUnpostedInvoicesOf(dateText));
        return {DeleteOutcome::Refused, 0};
    }
    if (!agreed(dialogs, registermsg::confirmDeleteDate(candidates, dateText)))
        return {DeleteOutcome::Abandoned, 0};

    Transaction transaction(db);
    Statement lines = db.prepare(QStringLiteral(
        "DELETE FROM ARInvDet WHERE ARInvoiceID IN (SELECT ARInvoiceID FROM ARInv WHERE "
        "InvoiceDate = :InvoiceDate AND Posted = false)"));
    lines.bind(QStringLiteral(":InvoiceDate"), date).exec();
    Statement invoices = db.prepare(
        QStringLiteral("DELETE FROM ARInv WHERE InvoiceDate = :InvoiceDate AND Posted = false"));
    invoices.bind(QStringLiteral(":InvoiceDate"), date).exec();
    const int deleted = invoices.rowsAffected();
    Statement history =
        db.prepare(QStringLiteral("INSERT INTO History (Tran_Date, Event_Date, Event, %1) VALUES "
                                  "(:Tran_Date, :Event_Date, :Event, :User)")
                       .arg(Dialect::quotedUser()));
    history.bind(QStringLiteral(":Tran_Date"), QDateTime::currentDateTime())
        .bind(QStringLiteral(":Event_Date"), date)
        .bind(QStringLiteral(":Event"),
              fitHistory("Event", registermsg::dateDeletedEvent(dateText)))
        .bind(QStringLiteral(":User"), fitHistory("User", userName))
        .exec();
    transaction.commit();
    return {DeleteOutcome::Deleted, deleted};
}

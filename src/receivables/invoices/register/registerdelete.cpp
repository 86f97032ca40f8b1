#include "receivables/invoices/register/registerdelete.h"

#include "common/dialogs.h"
#include "common/formats.h"
#include "data/hosttables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/transaction.h"
#include "receivables/invoices/register/registermessages.h"

#include <QDateTime>

namespace
{

struct StoredInvoice {
    QString invoiceNo;
    bool posted = false;
};

std::optional<StoredInvoice> storedInvoice(Database& db, qint64 invoiceId)
{
    Statement s =
        db.prepare(QStringLiteral("SELECT InvoiceNo, Posted FROM ARInv WHERE ARInvoiceID = :id"));
    s.bind(QStringLiteral(":id"), invoiceId).exec();
    if (!s.next())
        return std::nullopt;
    return StoredInvoice{s.text(0), s.boolean(1)};
}

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
    const std::optional<StoredInvoice> invoice = storedInvoice(db, invoiceId);
    if (!invoice)
        return DeleteOutcome::NotFound;
    if (invoice->posted) {
        dialogs.inform(Dialogs::Kind::Warning, registermsg::kPostedCantBeDeleted);
        return DeleteOutcome::Refused;
    }
    if (!agreed(dialogs, registermsg::confirmDeleteInvoice(invoice->invoiceNo)))
        return DeleteOutcome::Abandoned;

    Transaction transaction(db);
    // The header first and only while unposted: it holds the row against posting until the
    // lines are gone too, and tells whether posting came first while the question was open.
    Statement header = db.prepare(QStringLiteral(
        "DELETE FROM ARInv WHERE ARInvoiceID = :id AND COALESCE(Posted, false) = false"));
    header.bind(QStringLiteral(":id"), invoiceId).exec();
    if (header.rowsAffected() == 0) {
        if (!storedInvoice(db, invoiceId))
            return DeleteOutcome::NotFound;
        dialogs.inform(Dialogs::Kind::Warning, registermsg::postedMeanwhile(invoice->invoiceNo));
        return DeleteOutcome::Refused;
    }
    Statement lines = db.prepare(QStringLiteral("DELETE FROM ARInvDet WHERE ARInvoiceID = :id"));
    lines.bind(QStringLiteral(":id"), invoiceId).exec();
    transaction.commit();
    return DeleteOutcome::Deleted;
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

#include "receivables/payments/register/paymentdelete.h"

#include "common/dialogs.h"
#include "engine/database.h"
#include "engine/transaction.h"
#include "receivables/payments/register/paymentregistermessages.h"

namespace
{

struct StoredCheque {
    QString chequeNo;
    bool posted = false;
};

std::optional<StoredCheque> storedCheque(Database& db, qint64 paymentId)
{
    Statement s =
        db.prepare(QStringLiteral("SELECT ChequeNo, Posted FROM ARPmt WHERE PaymentID = :id"));
    s.bind(QStringLiteral(":id"), paymentId).exec();
    if (!s.next())
        return std::nullopt;
    return StoredCheque{s.text(0), s.boolean(1)};
}

} // namespace

DeleteOutcome deletePayment(Database& db, Dialogs& dialogs, qint64 paymentId)
{
    const std::optional<StoredCheque> cheque = storedCheque(db, paymentId);
    if (!cheque)
        return DeleteOutcome::NotFound;
    if (cheque->posted) {
        dialogs.inform(Dialogs::Kind::Warning, paymentregistermsg::kPostedCantBeDeleted);
        return DeleteOutcome::Refused;
    }
    if (dialogs.ask(Dialogs::Kind::Confirmation,
                    paymentregistermsg::confirmDeleteCheque(cheque->chequeNo),
                    Dialogs::Yes | Dialogs::No) != Dialogs::Yes)
        return DeleteOutcome::Abandoned;

    Transaction transaction(db);
    // The cheque first and only while unposted: it holds the row against posting until its
    // lines are gone too, and tells whether posting came first while the question was open.
    Statement header = db.prepare(QStringLiteral(
        "DELETE FROM ARPmt WHERE PaymentID = :id AND COALESCE(Posted, false) = false"));
    header.bind(QStringLiteral(":id"), paymentId).exec();
    if (header.rowsAffected() == 0) {
        if (!storedCheque(db, paymentId))
            return DeleteOutcome::NotFound;
        dialogs.inform(Dialogs::Kind::Warning,
                       paymentregistermsg::postedMeanwhile(cheque->chequeNo));
        return DeleteOutcome::Refused;
    }
    Statement lines = db.prepare(QStringLiteral("DELETE FROM ARInvPmt WHERE PaymentID = :id"));
    lines.bind(QStringLiteral(":id"), paymentId).exec();
    transaction.commit();
    return DeleteOutcome::Deleted;
}

#include "billing/unbilledstore.h"

#include "engine/database.h"
#include "engine/recordwriter.h"
#include "engine/schema.h"
#include "engine/statement.h"
#include "engine/transaction.h"

#include <QDataStream>
#include <QHash>
#include <QIODevice>

namespace billing
{

namespace
{

using namespace def;

const QString kUserName = QStringLiteral("UserName");
// The layout of the kept list; a list kept in another layout reads as no run.
constexpr qint32 kListLayout = 1;

TableDef runTable()
{
    return {QStringLiteral("ARUnbilledRun"),
            {string(kUserName, 40), timestamp(QStringLiteral("RanAt")),
             boolean(QStringLiteral("Preview")), date(QStringLiteral("PeriodStart")),
             date(QStringLiteral("PeriodEnd")), graphic(QStringLiteral("Deliveries"))},
            {primary({kUserName})}};
}

// The list is only ever read back whole, in order, so it is kept as one value: a run of
// thousands of credits costs one row to keep instead of thousands. Names, items, funding codes
// and details repeat from credit to credit, so each text is kept once and the credits refer to
// it by number.
class TextPool
{
public:
    qint32 number(const QString& text)
    {
        const auto found = numbers_.constFind(text);
        if (found != numbers_.constEnd())
            return *found;
        texts_ << text;
        return numbers_[text] = qint32(texts_.size() - 1);
    }
    const QStringList& texts() const { return texts_; }

private:
    QHash<QString, qint32> numbers_;
    QStringList texts_;
};

QByteArray packed(const QList<UnbilledDelivery>& deliveries)
{
    TextPool pool;
    QByteArray credits;
    QDataStream line(&credits, QIODevice::WriteOnly);
    line.setVersion(QDataStream::Qt_6_4);
    for (const UnbilledDelivery& d : deliveries) {
        line << pool.number(d.clientId) << d.personId << pool.number(d.clientName) << d.deliveryDate
             << d.itemId << pool.number(d.mealItem) << pool.number(d.fundingCode)
             << pool.number(d.funderName) << d.quantity << pool.number(unbilledReasonCode(d.reason))
             << pool.number(d.detail) << bool(d.wouldHaveBilled)
             << (d.wouldHaveBilled ? d.wouldHaveBilled->raw() : qint64(0));
    }
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << kListLayout << qint32(deliveries.size()) << pool.texts() << credits;
    return bytes;
}

std::optional<QList<UnbilledDelivery>> unpacked(const QByteArray& bytes)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_4);
    qint32 layout = 0;
    qint32 count = 0;
    QStringList texts;
    QByteArray credits;
    in >> layout >> count >> texts >> credits;
    if (in.status() != QDataStream::Ok || layout != kListLayout || count < 0)
        return std::nullopt;
    QDataStream line(credits);
    line.setVersion(QDataStream::Qt_6_4);
    bool readable = true;
    auto text = [&](qint32 number) {
        readable = readable && number >= 0 && number < texts.size();
        return readable ? texts.at(number) : QString();
    };
    QList<UnbilledDelivery> deliveries;
    deliveries.reserve(count);
    for (qint32 i = 0; i < count; ++i) {
        UnbilledDelivery d;
        qint32 clientId, clientName, mealItem, fundingCode, funderName, reason, detail;
        bool amountKnown = false;
        qint64 amount = 0;
        line >> clientId >> d.personId >> clientName >> d.deliveryDate >> d.itemId >> mealItem >>
            fundingCode >> funderName >> d.quantity >> reason >> detail >> amountKnown >> amount;
        if (line.status() != QDataStream::Ok)
            return std::nullopt;
        d.clientId = text(clientId);
        d.clientName = text(clientName);
        d.mealItem = text(mealItem);
        d.fundingCode = text(fundingCode);
        d.funderName = text(funderName);
        d.detail = text(detail);
        const std::optional<UnbilledReason> known = unbilledReasonFromCode(text(reason));
        if (!readable || !known)
            return std::nullopt;
        d.reason = *known;
        if (amountKnown)
            d.wouldHaveBilled = Money::fromRaw(amount);
        deliveries << d;
    }
    return deliveries;
}

void ensureTable(Database& db, const TableDef& table)
{
    if (!schema::tableExists(db, table.name))
        schema::createTable(db, table);
    else if (!schema::differences(db, table).isEmpty())
        schema::upgradeTable(db, table);
}

} // namespace

void keepUnbilledRun(Database& db, const UnbilledRun& run)
{
    const TableDef table = runTable();
    ensureTable(db, table);
    Transaction transaction(db);
    db.prepare(QStringLiteral("DELETE FROM ARUnbilledRun WHERE UserName = :user"))
        .bind(QStringLiteral(":user"), run.userName)
        .exec();
    records::insert(db, table,
                    {{kUserName, run.userName},
                     {QStringLiteral("RanAt"), run.ranAt},
                     {QStringLiteral("Preview"), run.preview},
                     {QStringLiteral("PeriodStart"), run.period.start},
                     {QStringLiteral("PeriodEnd"), run.period.end},
                     {QStringLiteral("Deliveries"), packed(run.deliveries)}});
    transaction.commit();
}

std::optional<UnbilledRun> lastUnbilledRun(Database& db, const QString& userName)
{
    if (!schema::tableExists(db, runTable().name))
        return std::nullopt;
    Statement s =
        db.prepare(QStringLiteral("SELECT RanAt, Preview, PeriodStart, PeriodEnd, "
                                  "Deliveries FROM ARUnbilledRun WHERE UserName = :user"));
    s.bind(QStringLiteral(":user"), userName).exec();
    if (!s.next())
        return std::nullopt;
    std::optional<QList<UnbilledDelivery>> deliveries =
        unpacked(s.value(QStringLiteral("Deliveries")).toByteArray());
    if (!deliveries)
        return std::nullopt;
    UnbilledRun run;
    run.userName = userName;
    run.ranAt = s.timestamp(QStringLiteral("RanAt"));
    run.preview = s.boolean(QStringLiteral("Preview"));
    run.period = {s.date(QStringLiteral("PeriodStart")), s.date(QStringLiteral("PeriodEnd"))};
    run.deliveries = std::move(*deliveries);
    return run;
}

} // namespace billing

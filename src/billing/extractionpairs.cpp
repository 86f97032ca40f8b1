#include "billing/extractionpairs.h"

#include "billing/extractiontables.h"
#include "engine/database.h"

#include <QSet>
#include <algorithm>

namespace billing
{

QList<ClientFundingPair> clientFundingPairs(Database& db)
{
    Statement s =
        db.query(QStringLiteral("SELECT DISTINCT Person_ID, COALESCE(Funding_Desc, '') FROM %1")
                     .arg(kMemDeliveries));
    s.exec();
    QList<ClientFundingPair> found;
    while (s.next())
        found << ClientFundingPair{s.integer(0), s.text(1)};
    std::sort(found.begin(), found.end(),
              [](const ClientFundingPair& a, const ClientFundingPair& b) {
                  if (a.personId != b.personId)
                      return a.personId < b.personId;
                  return QString::compare(a.fundingDesc, b.fundingDesc, Qt::CaseSensitive) < 0;
              });
    // The first spelling of a code stands for the others.
    QList<ClientFundingPair> pairs;
    QSet<std::pair<qint64, QString>> seen;
    for (const ClientFundingPair& pair : found) {
        const std::pair<qint64, QString> key{pair.personId, pair.fundingDesc.trimmed()};
        if (!seen.contains(key)) {
            seen.insert(key);
            pairs << pair;
        }
    }
    return pairs;
}

bool periodHasDeliveries(Database& db, const DeliveryPeriod& period)
{
    Statement s = db.prepare(QStringLiteral(
        "SELECT 1 FROM Deliveri WHERE Deliv_Dt >= :dStart AND Deliv_Dt <= :dEnd LIMIT 1"));
    s.bind(QStringLiteral("dStart"), period.start).bind(QStringLiteral("dEnd"), period.end).exec();
    const bool found = s.next();
    s.finish();
    return found;
}

} // namespace billing

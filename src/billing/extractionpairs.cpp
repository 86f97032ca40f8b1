#include "billing/extractionpairs.h"

#include "engine/database.h"

#include <algorithm>

namespace billing
{

QList<ClientFundingPair> clientFundingPairs(Database& db, const DeliveryPeriod& period)
{
    Statement s = db.prepare(QStringLiteral(
        "SELECT DISTINCT Deliveri.Person_ID, COALESCE(Deliveri.Funding_Desc, '')"
        " FROM Deliveri WHERE Deliveri.Deliv_Dt >= :dStart AND Deliveri.Deliv_Dt <= :dEnd"));
    s.bind(QStringLiteral("dStart"), period.start).bind(QStringLiteral("dEnd"), period.end).exec();
    QList<ClientFundingPair> pairs;
    while (s.next())
        pairs << ClientFundingPair{s.integer(0), s.text(1)};
    std::sort(pairs.begin(), pairs.end(),
              [](const ClientFundingPair& a, const ClientFundingPair& b) {
                  if (a.personId != b.personId)
                      return a.personId < b.personId;
                  return QString::compare(a.fundingDesc, b.fundingDesc, Qt::CaseSensitive) < 0;
              });
    return pairs;
}

} // namespace billing

#include "data/companyrow.h"

#include "data/artables.h"
#include "engine/database.h"
#include "engine/recordwriter.h"

namespace companyrow
{

namespace
{
const QString kFirstRow =
    QStringLiteral("SELECT CompanyNo FROM Company ORDER BY CompanyNo LIMIT 1");
}

bool exists(Database& db)
{
    Statement first = db.prepare(kFirstRow);
    first.exec();
    return first.next();
}

int update(Database& db, const QVariantMap& values)
{
    QVariant number;
    {
        Statement first = db.prepare(kFirstRow);
        first.exec();
        if (!first.next())
            return 0;
        number = first.value(0);
    }
    if (number.isNull())
        return records::update(db, ar::company(), values, QStringLiteral("CompanyNo IS NULL"));
    return records::update(db, ar::company(), values, QStringLiteral("CompanyNo = :no"),
                           {{QStringLiteral("no"), number}});
}

QVariantMap fromHostConfig(Database& db)
{
    Statement config = db.query(QStringLiteral("SELECT Organizatn, Org_Addr, Org_City, Org_State, "
                                               "Org_ZIP, Org_Phone FROM Config LIMIT 1"));
    config.exec();
    const bool hasConfig = config.next();
    auto configText = [&](const char* field) {
        return hasConfig ? config.text(QString::fromLatin1(field)) : QString();
    };
    return {
        {QStringLiteral("CompanyName"), configText("Organizatn")},
        {QStringLiteral("AddressLine1"), configText("Org_Addr")},
        {QStringLiteral("AddressLine2"), configText("Org_City") + QLatin1Char(' ') +
                                             configText("Org_State") + QLatin1Char(' ') +
                                             configText("Org_ZIP")},
        {QStringLiteral("Phone"), configText("Org_Phone")},
    };
}

} // namespace companyrow

#include "masterdata/customers/webpageentry.h"

namespace
{
const QString kPrefix = QStringLiteral("http://");
constexpr qsizetype kStoredLength = 22;
} // namespace

QString webPageFromEntry(const QString& typed)
{
    const qsizetype at = typed.indexOf(kPrefix);
    if (at < 0)
        return typed;
    return typed.mid(at + kPrefix.size(), kStoredLength);
}

QString webPageAddress(const QString& webPage)
{
    return kPrefix + webPage;
}

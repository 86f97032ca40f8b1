#pragma once
// The texts printed on a page, in the order they were placed: what the report tests compare.

#include "report/page.h"

#include <QStringList>

inline QStringList pageTexts(const report::Page& page)
{
    QStringList all;
    for (const report::PageItem& item : page.items) {
        if (item.kind == report::PageItem::Kind::Text)
            all << item.text;
    }
    return all;
}

#pragma once
// Pages that say which page they are, for the tests of printing and the preview.
#include "report/page.h"
#include "report/pagesetup.h"

#include <vector>

// "Folio<n>" in the body's top left corner.
inline report::Page numberedPage(int number)
{
    report::Page page;
    page.number = number;
    page.size = report::PageSetup().paper;
    report::PageItem text;
    text.rect = QRectF(report::PageSetup().body().topLeft(), QSizeF(200, 14));
    text.text = QStringLiteral("Folio%1").arg(number);
    text.font.pointSize = 12;
    page.items.push_back(text);
    return page;
}

inline std::vector<report::Page> numberedPages(int count)
{
    std::vector<report::Page> list;
    for (int n = 1; n <= count; ++n)
        list.push_back(numberedPage(n));
    return list;
}

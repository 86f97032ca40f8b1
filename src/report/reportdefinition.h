#pragma once
// A banded report: its paper, its bands in print order, its groups and its running totals.
//
// On every page: the page header, on the first page the title below it, then the column header;
// then group headers, detail rows and group footers as the rows come; after the last row the
// summary; at the foot of every page the page footer. A band that does not fit on what is left
// of the page goes whole onto the next one, below the headers printed again.

#include "common/money.h"
#include "report/band.h"
#include "report/pagesetup.h"
#include "report/row.h"

#include <QString>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

namespace report
{

struct Group {
    // The rows of one group share this key (for example the customer number).
    std::function<QVariant(const Row&)> key;
    Band header;
    Band footer;
    bool startsNewPage = false; // every group after the first begins on a new page
    bool repeatHeader = false;  // the header prints again on a page the group continues on
};

// A group key that is one field of the row.
std::function<QVariant(const Row&)> byField(const QString& field);

// A running sum and count over the detail rows that printed, restarting after the footer of a
// group (or never). A row for which `value` gives nothing is neither summed nor counted.
struct RunningTotal {
    QString name;
    std::function<std::optional<Money>(const ReportContext&)> value;
    int resetAfterGroup = -1; // index into groups; -1: runs over the whole report
};

// Labels and other detail bands laid out across the page before going down.
struct DetailColumns {
    int count = 1;
    qreal width = 0;
    qreal gap = 0;
};

struct ReportDefinition {
    QString title;
    PageSetup page;
    Band title_band;
    Band pageHeader;
    Band columnHeader;
    std::vector<Group> groups; // outermost first
    Band detail;
    DetailColumns columns;
    Band summary;
    Band pageFooter; // held at the bottom of the body of every page
    std::vector<RunningTotal> totals;
    // Reads the rows twice so that texts can show the page count.
    bool needsPageCount = false;
    // Called as each pass begins, for reports that keep state of their own between bands.
    std::function<void()> onStart;
};

} // namespace report

#pragma once
// The web page as the bookkeeper types it and as the customer record keeps it: the record keeps
// the address without its "http://", and the browser is sent it with the prefix put back.

#include <QString>

// A typed address holding "http://" keeps only what follows the prefix; an empty entry clears.
QString webPageFromEntry(const QString& typed);
// What the web button opens.
QString webPageAddress(const QString& webPage);

#pragma once
// A short list report made with the report engine, for pictures of the preview: invoices of two
// periods, each period on its own page, with a title and a page footer.

#include "report/page.h"

#include <vector>

std::vector<report::Page> sampleReportPages();
